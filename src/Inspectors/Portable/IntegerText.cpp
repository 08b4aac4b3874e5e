#include "Inspectors/Portable/IntegerText.h"

#include <charconv>
#include <limits>

#include "pipeline/HexDigits.h"
#include "pipeline/HexEncoder.h"
#include "pipeline/WholeFiltering.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

// Reads all of [begin, end) as an unsigned numeral in `base` (digits only:
// from_chars takes no sign for unsigned types and no prefix).
std::optional<std::uint64_t> unsignedFromText(const char* begin, const char* end, int base)
{
    std::uint64_t magnitude = 0;
    auto [stop, error] = std::from_chars(begin, end, magnitude, base);
    if (begin == end || error != std::errc() || stop != end)
        return std::nullopt;
    return magnitude;
}

String writtenUnsigned(std::uint64_t value, int base)
{
    char digits[64];
    auto written = std::to_chars(digits, digits + sizeof digits, value, base);
    return String::copy(digits, written.ptr);
}

} // namespace

std::optional<std::int64_t> integerFromText(const String& text)
{
    const char* begin = text.begin();
    bool negative = false;
    if (begin != text.end() && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    std::optional<std::uint64_t> magnitude = unsignedFromText(begin, text.end(), 10);
    if (!magnitude)
        return std::nullopt;
    constexpr std::uint64_t kGreatest = std::numeric_limits<std::int64_t>::max();
    if (negative) {
        if (*magnitude > kGreatest + 1)
            return std::nullopt;
        return std::int64_t(0 - *magnitude); // two's complement, also for 2^63
    }
    if (*magnitude > kGreatest)
        return std::nullopt;
    return std::int64_t(*magnitude);
}

String integerAsString(std::int64_t value)
{
    char digits[24];
    auto written = std::to_chars(digits, digits + sizeof digits, value);
    return String::copy(digits, written.ptr);
}

std::optional<std::int64_t> hexadecimalIntegerFromText(const String& text)
{
    std::optional<std::uint64_t> pattern = unsignedFromText(text.begin(), text.end(), 16);
    if (!pattern || *pattern > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return std::int64_t(*pattern);
}

String integerAsHexadecimal(std::int64_t value) { return writtenUnsigned(std::uint64_t(value), 16); }

std::optional<String> hexadecimalStringFromText(const String& text)
{
    if (text.length % 2 != 0)
        return std::nullopt;
    char* bytes = nullptr;
    String result = String::allocate(text.length / 2, bytes);
    for (std::uint32_t i = 0; i < text.length; i += 2) {
        int high = hexDigitValue(static_cast<unsigned char>(text.data[i]));
        int low = hexDigitValue(static_cast<unsigned char>(text.data[i + 1]));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i / 2] = char(high << 4 | low);
    }
    return result;
}

String stringAsHexadecimal(const String& text)
{
    char* digits = nullptr;
    String result = String::allocate(text.length * 2, digits);
    HexEncoder encoder;
    filterWhole(encoder, text.begin(), text.end(), digits, digits + result.length);
    return result;
}

std::optional<std::int64_t> significantDigitsOfInteger(std::int64_t key, std::int64_t value)
{
    if (key < 0 || key >= (std::int64_t(1) << 32))
        return std::nullopt;
    std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    std::int64_t count = end - digits;
    if (key >= count)
        return value;

    std::uint64_t kept = 0;
    for (std::int64_t i = 0; i < key; ++i)
        kept = kept * 10 + std::uint64_t(digits[i] - '0');
    if (digits[key] >= '5')
        ++kept;
    for (std::int64_t dropped = count - key; dropped > 0; --dropped)
        if (__builtin_mul_overflow(kept, std::uint64_t(10), &kept))
            return std::nullopt;

    constexpr std::uint64_t kGreatest = std::numeric_limits<std::int64_t>::max();
    if (value < 0)
        return kept > kGreatest + 1 ? std::nullopt : std::optional<std::int64_t>(std::int64_t(0 - kept));
    return kept > kGreatest ? std::nullopt : std::optional<std::int64_t>(std::int64_t(kept));
}

GUARD_INSPECTORS(property<Shape::Keyed, integerFromText>("integer", "integers"),
                 property<Shape::Keyed, hexadecimalIntegerFromText>("hexadecimal integer", "hexadecimal integers"),
                 property<Shape::Keyed, hexadecimalStringFromText>("hexadecimal string", "hexadecimal strings"),
                 property<Shape::KeyedOf, significantDigitsOfInteger>("significant digits", "significant digitss"),
                 cast<integerAsString>("string"), cast<integerAsHexadecimal>("hexadecimal"),
                 cast<integerFromText>("integer"), cast<stringAsHexadecimal>("hexadecimal"))

} // namespace guard
