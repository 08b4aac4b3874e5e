// Reading floating point numbers from text (declared in FloatingPointText.h).
#include "registry/Inspectors.h"
#include <charconv>
#include <cmath>
#include <string_view>

#include "Inspectors/Portable/AsciiLetters.h"
#include "Inspectors/Portable/FloatingPointText.h"

namespace guard {

namespace {

// Exponents beyond this magnitude are kept at it: every place computed from
// them is far outside the range of doubles either way.
constexpr std::int64_t kExponentLimit = 1000000000;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

bool isInfinityWord(std::string_view word)
{
    return equalsIgnoringAsciiCase(word, "inf") || equalsIgnoringAsciiCase(word, "infinity");
}

FloatingPoint nonFinite(double value) { return FloatingPoint{value, 1.0, 0}; }

std::optional<FloatingPoint> nonFiniteFromText(std::string_view text)
{
    std::size_t at = skipBlanks(text, 0);
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        double infinity = text[at] == '-' ? -HUGE_VAL : HUGE_VAL;
        std::string_view word = text.substr(skipBlanks(text, at + 1));
        if (isInfinityWord(word))
            return nonFinite(infinity);
        return std::nullopt;
    }
    std::string_view word = text.substr(at);
    if (isInfinityWord(word))
        return nonFinite(HUGE_VAL);
    if (equalsIgnoringAsciiCase(word, "nan"))
        return nonFinite(std::nan(""));
    return std::nullopt;
}

// What the digits of a finite numeral say about its value's places.
struct Mantissa {
    std::int64_t lastPlace = 0;    // place of the last significant written digit
    std::int64_t leadingPlace = 0; // place of the first non-zero digit
    bool hasNonZeroDigit = false;
};

// Digits with at most one "."; at least one digit.
std::optional<Mantissa> readMantissa(std::string_view text)
{
    std::int64_t integerDigits = 0;
    std::int64_t fractionDigits = 0;
    std::int64_t trailingZeros = 0; // of the integer digits
    std::int64_t nonZeroIndex = -1; // digit index of the first non-zero digit
    bool seenPoint = false;
    for (char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        std::int64_t index = integerDigits + fractionDigits;
        if (c != '0' && nonZeroIndex < 0)
            nonZeroIndex = index;
        if (seenPoint) {
            ++fractionDigits;
        } else {
            ++integerDigits;
            trailingZeros = c == '0' ? trailingZeros + 1 : 0;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    Mantissa mantissa;
    if (seenPoint)
        mantissa.lastPlace = -fractionDigits;
    else
        mantissa.lastPlace = trailingZeros < integerDigits ? trailingZeros : integerDigits - 1;
    mantissa.hasNonZeroDigit = nonZeroIndex >= 0;
    mantissa.leadingPlace = integerDigits - 1 - nonZeroIndex;
    return mantissa;
}

// An optional sign and at least one digit; the value kept within the limit.
std::optional<std::int64_t> readExponent(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t exponent = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        if (exponent < kExponentLimit)
            exponent = exponent * 10 + (c - '0');
    }
    if (exponent > kExponentLimit)
        exponent = kExponentLimit;
    return negative ? -exponent : exponent;
}

std::optional<FloatingPoint> finiteFromText(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::size_t exponentMark = text.find_first_of("eE");
    std::optional<Mantissa> mantissa = readMantissa(text.substr(0, exponentMark));
    if (!mantissa)
        return std::nullopt;
    std::int64_t exponent = 0;
    if (exponentMark != std::string_view::npos) {
        std::optional<std::int64_t> written = readExponent(text.substr(exponentMark + 1));
        if (!written)
            return std::nullopt;
        exponent = *written;
    }

    double magnitude = 0.0;
    if (mantissa->hasNonZeroDigit) {
        auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
        if (error == std::errc::result_out_of_range)
            magnitude = mantissa->leadingPlace + exponent > 0 ? HUGE_VAL : 0.0;
        else if (error != std::errc() || stop != text.data() + text.size())
            return std::nullopt;
    }

    double written = powerOfTen(mantissa->lastPlace + exponent);
    double spacing = magnitude - std::nextafter(magnitude, 0.0);
    if (spacing < kSmallestNormal)
        spacing = kSmallestNormal;

    std::uint32_t flags = 0;
    if (std::isinf(magnitude))
        flags |= FloatingPointFlag::kOverflow;
    else if (!std::isnormal(magnitude) && mantissa->hasNonZeroDigit)
        flags |= FloatingPointFlag::kUnderflow;
    if (flags != 0 || spacing > written)
        flags |= FloatingPointFlag::kInexact;
    return FloatingPoint{negative ? -magnitude : magnitude, written < spacing ? spacing : written, flags};
}

} // namespace

std::optional<FloatingPoint> floatingPointFromText(const String& text)
{
    std::string_view view = text.view();
    if (view.find_first_of("nN") != std::string_view::npos)
        return nonFiniteFromText(view);
    return finiteFromText(view);
}

GUARD_INSPECTORS(property<Shape::Keyed, floatingPointFromText>("floating point", "floating points"),
                 cast<floatingPointFromText>("floating point"))

} // namespace guard
