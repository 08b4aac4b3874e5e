// Writing floating point numbers as text (declared in FloatingPointText.h).
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "Inspectors/Portable/FloatingPointText.h"

namespace {

// Places beyond the range of doubles, for a zero, NaN or infinite amount.
constexpr int kFinestPlace = -400;
constexpr int kCoarsestPlace = 400;
// Standard notation writes at most this many fraction digits.
constexpr int kMostFractionDigits = 53;
// The string cast writes standard notation below this magnitude and above
// this significance place.
constexpr double kStandardMagnitudeLimit = 1e61;
constexpr int kStandardPlaceLimit = -61;
// 2^53: the first integer from which doubles skip integers.
constexpr std::string_view kFirstInexactInteger = "9007199254740992";

// The decimal place of the leading digit of a magnitude: floor(log10),
// exact at the doubles nearest to powers of ten.
int decimalPlace(double amount)
{
    if (!(amount > 0))
        return kFinestPlace;
    if (std::isinf(amount))
        return kCoarsestPlace;
    int place = int(std::floor(std::log10(amount)));
    while (powerOfTen(place + 1) <= amount)
        ++place;
    while (powerOfTen(place) > amount)
        --place;
    return place;
}

// The decimal place of the leading digit of the exact value of a finite,
// non-zero magnitude (the double nearest 10^23 lies below it, at place 22).
int exactLeadingPlace(double magnitude)
{
    // 766 digits after the point show every double exactly, so no rounding
    // can carry into a new leading digit.
    char digits[800];
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::scientific, 766).ptr;
    const char* exponent = std::find(digits, end, 'e') + 1;
    if (*exponent == '+')
        ++exponent;
    int place = 0;
    std::from_chars(exponent, end, place);
    return place;
}

class TextBuilder {
public:
    void append(char c) { text_[length_++] = c; }
    void append(std::string_view text)
    {
        for (char c : text)
            append(c);
    }
    String copy() const { return String::copy(text_, text_ + length_); }

private:
    char text_[420];
    std::size_t length_ = 0;
};

// "NaN", "+infinity", "-infinity" or "0.0" for the values that every
// notation writes alike.
std::optional<String> sharedText(double value)
{
    if (std::isnan(value))
        return String::literal("NaN");
    if (std::isinf(value))
        return value < 0 ? String::literal("-infinity") : String::literal("+infinity");
    if (value == 0)
        return String::literal("0.0");
    return std::nullopt;
}

int significancePlace(const FloatingPoint& number)
{
    return decimalPlace(std::fabs(number.significance));
}

// True when the digits above `lastPlace` (all of `digits` but the point and,
// for a positive place, the last `lastPlace` integer digits) amount to 2^53
// or more: a double does not carry that many digits exactly.
bool exceedsDoublePrecision(std::string_view digits, int lastPlace)
{
    char kept[400];
    std::size_t count = 0;
    std::string_view integerDigits = digits.substr(0, digits.find('.'));
    for (char c : lastPlace > 0 ? integerDigits : digits)
        if (c != '.' && (count > 0 || c != '0'))
            kept[count++] = c;
    if (lastPlace > 0)
        count = count > std::size_t(lastPlace) ? count - std::size_t(lastPlace) : 0;
    std::string_view above(kept, count);
    if (above.size() != kFirstInexactInteger.size())
        return above.size() > kFirstInexactInteger.size();
    return above >= kFirstInexactInteger;
}

String standardNotation(double value, int place, bool checkPrecision)
{
    int lastPlace = std::max(place, -kMostFractionDigits);
    int fractionDigits = lastPlace < 0 ? -lastPlace : 0;
    char digits[400];
    char* end = std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, fractionDigits).ptr;
    std::string_view written(digits, std::size_t(end - digits));
    if (checkPrecision && exceedsDoublePrecision(written, lastPlace))
        throw TooLargeForStandardNotation();
    TextBuilder text;
    if (value < 0)
        text.append('-');
    text.append(written);
    if (fractionDigits == 0)
        text.append('.');
    return text.copy();
}

String scientificNotation(double value, int place)
{
    double magnitude = std::fabs(value);
    int lastPlace = std::max(place, decimalPlace(magnitude - std::nextafter(magnitude, 0.0)));
    int leadingPlace = exactLeadingPlace(magnitude);
    int count = std::max(leadingPlace - lastPlace + 1, 1);
    char digits[64];
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::scientific, count - 1).ptr;
    const char* mark = std::find(digits, end, 'e');
    const char* exponentText = mark + 1 + (mark[1] == '+');
    int exponent = 0;
    std::from_chars(exponentText, end, exponent);

    TextBuilder text;
    if (value < 0)
        text.append('-');
    text.append(digits[0]);
    text.append('.');
    if (count > 1)
        text.append(std::string_view(digits + 2, std::size_t(mark - digits - 2)));
    // Rounding carried into a new leading digit (9.96 to 0.1 is 10.0): one
    // more zero keeps the last digit at its place.
    if (exponent > leadingPlace && leadingPlace - count + 1 == lastPlace)
        text.append('0');
    text.append('e');
    text.append(exponent < 0 ? '-' : '+');
    char exponentDigits[8];
    text.append(std::string_view(exponentDigits, std::to_chars(exponentDigits, exponentDigits + 8, std::abs(exponent)).ptr));
    return text.copy();
}

} // namespace

String floatingPointAsString(const FloatingPoint& number)
{
    if (std::optional<String> shared = sharedText(number.value))
        return *shared;
    int place = significancePlace(number);
    if (std::fabs(number.value) < kStandardMagnitudeLimit && place > kStandardPlaceLimit)
        return standardNotation(number.value, place, false);
    return scientificNotation(number.value, place);
}

String floatingPointAsStandardNotation(const FloatingPoint& number)
{
    if (std::optional<String> shared = sharedText(number.value))
        return *shared;
    return standardNotation(number.value, significancePlace(number), true);
}

String floatingPointAsScientificNotation(const FloatingPoint& number)
{
    if (std::optional<String> shared = sharedText(number.value))
        return *shared;
    return scientificNotation(number.value, significancePlace(number));
}
