// The rows of the string vocabulary that read or make whole strings: the
// global "string" and "character", length, searching operators, case and
// trimming casts, "numeric value", "regex escape", Base64 and the
// concatenation aggregates. Text is bytes: no locale, no character classes.
#include <cstdint>
#include "Inspectors/Portable/GrowingText.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

#include "pipeline/AsciiCaseFilters.h"
#include "pipeline/Base64.h"
#include "pipeline/WholeFiltering.h"

#include <array>
#include <limits>
#include <string_view>

namespace guard {

// "utf8 string": text known to be UTF-8. Only the type is registered (with
// its hash); no inspector takes or makes it yet.
struct Utf8String {
    String text;
};

template <>
struct GuardType<Utf8String> {
    static constexpr const char* name = "utf8 string";
    static constexpr std::uint32_t valueSize = 8; // the size the language gives it
    static void hash(HashAccumulator& accumulator, const Utf8String& value)
    {
        accumulator.addBytes(value.text.data, value.text.length);
    }
};

namespace {

String stringFromKey(const String& text) { return text; }

// Every byte value once, so that "character N" needs no storage of its own.
constexpr std::array<char, 256> kEveryByte = [] {
    std::array<char, 256> bytes{};
    for (int i = 0; i < 256; ++i)
        bytes[std::size_t(i)] = char(i);
    return bytes;
}();

std::optional<String> characterWithValue(std::int64_t value)
{
    if (value < 0 || value > 255)
        return std::nullopt;
    return String(&kEveryByte[std::size_t(value)], 1);
}

std::int64_t lengthOf(const String& text) { return text.length; }

bool startsWith(const String& text, const String& prefix) { return text.view().starts_with(prefix.view()); }
bool endsWith(const String& text, const String& suffix) { return text.view().ends_with(suffix.view()); }
bool contains(const String& text, const String& part)
{
    return text.view().find(part.view()) != std::string_view::npos;
}

// The text run through `filter`, which writes exactly one byte per byte.
String filteredSameLength(DataFilter&& filter, const String& text)
{
    char* bytes = nullptr;
    String result = String::allocate(text.length, bytes);
    filterWhole(filter, text.begin(), text.end(), bytes, bytes + text.length);
    return result;
}

String uppercase(const String& text) { return filteredSameLength(Ascii::CaseRaisingFilter(), text); }
String lowercase(const String& text) { return filteredSameLength(Ascii::CaseLoweringFilter(), text); }

// Only blank, tab, line feed and carriage return are trimmed.
bool isTrimmed(char byte) { return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r'; }

String leftTrimmed(const String& text)
{
    const char* begin = text.begin();
    while (begin != text.end() && isTrimmed(*begin))
        ++begin;
    return String(begin, std::uint32_t(text.end() - begin));
}

String rightTrimmed(const String& text)
{
    const char* end = text.end();
    while (end != text.begin() && isTrimmed(end[-1]))
        --end;
    return String(text.begin(), std::uint32_t(end - text.begin()));
}

String trimmed(const String& text) { return rightTrimmed(leftTrimmed(text)); }

// The first run of decimal digits, read as a non-negative integer; a "-"
// before it is skipped like any other byte.
std::optional<std::int64_t> numericValue(const String& text)
{
    const char* at = text.begin();
    while (at != text.end() && !(*at >= '0' && *at <= '9'))
        ++at;
    if (at == text.end())
        return std::nullopt;
    std::int64_t value = 0;
    for (; at != text.end() && *at >= '0' && *at <= '9'; ++at)
        if (__builtin_mul_overflow(value, 10, &value) || __builtin_add_overflow(value, *at - '0', &value))
            return std::nullopt;
    return value;
}

bool isRegexSpecial(char byte) { return std::string_view(".[]{}()\\*+?|^$,-").find(byte) != std::string_view::npos; }

String regexEscape(const String& text)
{
    std::uint32_t specials = 0;
    for (char byte : text.view())
        specials += isRegexSpecial(byte);
    if (specials == 0)
        return text;
    char* bytes = nullptr;
    String result = String::allocate(text.length + specials, bytes);
    for (char byte : text.view()) {
        if (isRegexSpecial(byte))
            *bytes++ = '\\';
        *bytes++ = byte;
    }
    return result;
}

std::optional<String> base64Encode(const String& text)
{
    std::uint64_t length = Base64Encoder::EncodedLength(text.length);
    if (length > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    char* bytes = nullptr;
    String result = String::allocate(std::uint32_t(length), bytes);
    Base64Encoder encoder;
    filterWhole(encoder, text.begin(), text.end(), bytes, bytes + length);
    return result;
}

String base64Decode(const String& text)
{
    char* bytes = nullptr;
    auto room = std::uint32_t(Base64Decoder::MaxDecodedLength(text.length));
    String result = String::allocate(room, bytes);
    Base64Decoder decoder;
    result.length = std::uint32_t(filterWhole(decoder, text.begin(), text.end(), bytes, bytes + room));
    return result;
}

// "concatenation [SEP] of STRINGS": the strings in order, SEP between
// consecutive ones; the empty string for none. The text is gathered in the
// state, since each source string lasts only until the source advances, and
// the result is a view of it.
class Concatenation {
public:
    void add(const String& text) { text_.append(text.view()); }
    bool result(String& out)
    {
        if (text_.size() > std::numeric_limits<std::uint32_t>::max())
            return false;
        out = String::over(text_.view());
        return true;
    }

protected:
    GrowingText text_;
};

class SeparatedConcatenation : public Concatenation {
public:
    void add(const String& separator, const String& text)
    {
        if (any_)
            text_.append(separator.view());
        any_ = true;
        text_.append(text.view());
    }

private:
    bool any_ = false;
};

} // namespace

GUARD_INSPECTORS(type<Utf8String>(), property<Shape::Keyed, stringFromKey>("string", "strings"),
                 property<Shape::Keyed, characterWithValue>("character", "characters"),
                 property<Shape::Of, lengthOf>("length", "lengths"),
                 property<Shape::Keyed, base64Encode>("base64 encode", "base64 encodes"),
                 property<Shape::Keyed, base64Decode>("base64 decode", "base64 decodes"),
                 property<Shape::Of, numericValue>("numeric value", "numeric values"),
                 property<Shape::Of, regexEscape>("regex escape", "regex escapes"),
                 aggregate<Concatenation>("concatenation", "concatenations"),
                 aggregate<SeparatedConcatenation>("concatenation", "concatenations"), cast<uppercase>("uppercase"),
                 cast<lowercase>("lowercase"), cast<leftTrimmed>("left trimmed string"),
                 cast<rightTrimmed>("right trimmed string"), cast<trimmed>("trimmed string"),
                 binary<kStartsWith, startsWith>(), binary<kEndsWith, endsWith>(), binary<kContains, contains>())

} // namespace guard
