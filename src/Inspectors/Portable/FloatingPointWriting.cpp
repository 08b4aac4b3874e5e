// Writing floating point numbers as text (declared in FloatingPointText.h).
#include "registry/Inspectors.h"
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "Inspectors/Portable/FloatingPointText.h"

namespace guard {

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

// Where the digits of a finite, non-zero magnitude start and stop.
struct DigitPlaces {
    int leading; // place of the leading digit of the exact value
    int last;    // place of the last digit to write
};

// The exact value's leading digit (the double nearest 10^23 lies below it,
// at place 22), and the last place to write for a significance place: that
// place itself, unless it lies above the leading digit; then one digit is
// written (rounded to nearest, ties to even).
DigitPlaces digitPlaces(double magnitude, int significancePlace)
{
    // 766 digits after the point show every double exactly, so no rounding
    // can carry into a new leading digit.
    char digits[800];
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::scientific, 766).ptr;
    const char* mark = std::find(digits, end, 'e');
    int leading = 0;
    std::from_chars(mark + 1 + (mark[1] == '+'), end, leading);
    if (significancePlace <= leading)
        return DigitPlaces{leading, significancePlace};
    // One digit is written. It is a 1 one place up when the value rounds up
    // to that place, or when rounding to the leading digit carries into it.
    const char* rest = digits + 2; // the digits after "d."
    bool exactlyHalf =
        digits[0] == '5' && std::find_if(rest, static_cast<const char*>(mark), [](char c) { return c != '0'; }) == mark;
    bool roundsUp = significancePlace == leading + 1 && digits[0] >= '5' && !exactlyHalf;
    bool carries = digits[0] == '9' && *rest >= '5';
    if (roundsUp || carries)
        return DigitPlaces{leading, leading + 1};
    return DigitPlaces{leading, leading};
}

class TextBuilder {
public:
    void append(char c) { text_[length_++] = c; }
    void append(std::string_view text)
    {
        for (char c : text)
            append(c);
    }
    void appendSign(double value)
    {
        if (value < 0)
            append('-');
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

int significancePlace(const FloatingPoint& number) { return decimalPlace(std::fabs(number.significance)); }

// The significant digits of a finite, non-zero magnitude from its leading
// digit down to the last place, rounded to nearest (ties to even), and the
// place of the first of them.
class SignificantDigits {
public:
    SignificantDigits(double magnitude, DigitPlaces places)
    {
        if (places.last > places.leading) { // rounded up to a single 1
            digits_[count_++] = '1';
            leadingPlace_ = places.last;
            return;
        }
        int count = places.leading - places.last + 1;
        char written[400];
        char* end =
            std::to_chars(written, written + sizeof written, magnitude, std::chars_format::scientific, count - 1).ptr;
        const char* mark = std::find(written, end, 'e');
        std::from_chars(mark + 1 + (mark[1] == '+'), end, leadingPlace_);
        for (const char* c = written; c != mark; ++c)
            if (*c != '.')
                digits_[count_++] = *c;
        // Rounding carried into a new leading digit (9.96 to tenths is
        // 10.0): one more zero keeps the last digit at its place.
        if (leadingPlace_ > places.leading)
            digits_[count_++] = '0';
    }

    std::string_view digits() const { return std::string_view(digits_, count_); }
    int leadingPlace() const { return leadingPlace_; }

private:
    char digits_[400];
    std::size_t count_ = 0;
    int leadingPlace_ = 0;
};

// True when `digits` (decimal, leading zeros allowed) amount to 2^53 or
// more: a double does not carry that many digits exactly.
bool exceedsDoublePrecision(std::string_view digits)
{
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() != kFirstInexactInteger.size())
        return digits.size() > kFirstInexactInteger.size();
    return digits >= kFirstInexactInteger;
}

// Digits down to a place in the fraction (or the units): every integer
// digit, and fraction digits when `lastPlace` is negative.
String standardNotationToFraction(double value, int lastPlace, bool checkPrecision)
{
    char written[400];
    char* end =
        std::to_chars(written, written + sizeof written, std::fabs(value), std::chars_format::fixed, -lastPlace).ptr;
    std::string_view digits(written, std::size_t(end - written));
    if (checkPrecision) {
        char withoutPoint[400];
        char* last = std::remove_copy(digits.begin(), digits.end(), withoutPoint, '.');
        if (exceedsDoublePrecision(std::string_view(withoutPoint, std::size_t(last - withoutPoint))))
            throw TooLargeForStandardNotation();
    }
    TextBuilder text;
    text.appendSign(value);
    text.append(digits);
    if (lastPlace == 0)
        text.append('.');
    return text.copy();
}

String standardNotation(double value, int place, bool checkPrecision)
{
    double magnitude = std::fabs(value);
    DigitPlaces places = digitPlaces(magnitude, place);
    places.last = std::max(places.last, -kMostFractionDigits);
    if (places.last <= 0)
        return standardNotationToFraction(value, places.last, checkPrecision);
    // Digits above the units: those below the last place are written as 0.
    SignificantDigits significant(magnitude, places);
    if (checkPrecision && exceedsDoublePrecision(significant.digits()))
        throw TooLargeForStandardNotation();
    TextBuilder text;
    text.appendSign(value);
    text.append(significant.digits());
    for (int zeroPlace = significant.leadingPlace() - int(significant.digits().size()); zeroPlace >= 0; --zeroPlace)
        text.append('0');
    text.append('.');
    return text.copy();
}

String scientificNotation(double value, int place)
{
    double magnitude = std::fabs(value);
    DigitPlaces places = digitPlaces(magnitude, place);
    places.last = std::max(places.last, decimalPlace(magnitude - std::nextafter(magnitude, 0.0)));
    SignificantDigits significant(magnitude, places);
    std::string_view digits = significant.digits();

    TextBuilder text;
    text.appendSign(value);
    text.append(digits[0]);
    text.append('.');
    text.append(digits.substr(1));
    text.append('e');
    int exponent = significant.leadingPlace();
    text.append(exponent < 0 ? '-' : '+');
    char exponentDigits[8];
    text.append(
        std::string_view(exponentDigits, std::to_chars(exponentDigits, exponentDigits + 8, std::abs(exponent)).ptr));
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

GUARD_INSPECTORS(cast<floatingPointAsString>("string"), cast<floatingPointAsScientificNotation>("scientific notation"),
                 cast<floatingPointAsStandardNotation>("standard notation"))

} // namespace guard
