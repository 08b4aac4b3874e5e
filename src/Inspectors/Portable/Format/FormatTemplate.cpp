#include "Inspectors/Portable/Format/FormatTemplate.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <new>

namespace guard {

namespace {

constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();

// The characters of a reserved variable (its name without the "_"), or
// false when the name is not reserved.
bool reservedText(std::string_view name, std::string_view& text)
{
    static constexpr struct {
        std::string_view name, text;
    } kReserved[] = {
        {"tab", "\t"}, {"cr", "\r"}, {"lf", "\n"}, {"crlf", "\r\n"}, {"obrace", "{"}, {"cbrace", "}"},
    };
    for (const auto& reserved : kReserved)
        if (reserved.name == name) {
            text = reserved.text;
            return true;
        }
    return false;
}

bool isDigits(std::string_view name)
{
    for (char c : name)
        if (c < '0' || c > '9')
            return false;
    return !name.empty();
}

std::uint64_t indexOf(std::string_view digits)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        auto digit = std::uint64_t(c - '0');
        if (value > (kSaturated - digit) / 10)
            return kSaturated;
        value = value * 10 + digit;
    }
    return value;
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    return digits;
}

// The decimal text of the number of arguments `text` expects, exact even
// beyond 64 bits (for the failure's text only).
std::string expectedText(std::string_view text, std::uint64_t expected)
{
    if (expected != kSaturated) {
        char digits[24];
        return std::string(digits, std::to_chars(digits, digits + sizeof digits, expected).ptr);
    }
    // The highest index written in the template, plus one in decimal.
    std::string_view highest;
    for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        std::size_t close = text.find('}', open);
        std::string_view name = withoutLeadingZeros(text.substr(open + 1, close - open - 1));
        if (isDigits(name) && (name.size() > highest.size() || (name.size() == highest.size() && name > highest)))
            highest = name;
        open = close;
    }
    std::string result(highest);
    std::size_t at = result.size();
    while (at > 0 && result[at - 1] == '9')
        result[--at] = '0';
    if (at == 0)
        result.insert(result.begin(), '1');
    else
        ++result[at - 1];
    return result;
}

} // namespace

InvalidFormatKey::InvalidFormatKey(std::string_view key)
    : text_(std::string("Invalid non-numeric format key: ").append(key.substr(0, 256)))
{
}

InvalidFormatArgumentCount::InvalidFormatArgumentCount(std::string_view expected, std::uint64_t found)
    : text_(std::string("Invalid format argument count: expected ")
                .append(expected)
                .append(", found ")
                .append(std::to_string(found)))
{
}

bool FormatTemplateReader::next(FormatPiece& piece)
{
    if (rest_.empty())
        return false;
    std::size_t open = rest_.find('{');
    if (open != 0) {
        std::size_t textEnd = open == std::string_view::npos ? rest_.size() : open;
        piece = FormatPiece{FormatPiece::Kind::Text, rest_.substr(0, textEnd), 0};
        rest_.remove_prefix(textEnd);
        return true;
    }
    std::size_t close = rest_.find('}');
    if (close == std::string_view::npos)
        throw BadFormatStringError();
    std::string_view name = rest_.substr(1, close - 1);
    rest_.remove_prefix(close + 1);
    if (name.empty())
        throw ImproperFormatVariableName();
    std::string_view text;
    if (name.front() == '_' && reservedText(name.substr(1), text)) {
        piece = FormatPiece{FormatPiece::Kind::Text, text, 0};
        return true;
    }
    if (!isDigits(name))
        throw InvalidFormatKey(name);
    piece = FormatPiece{FormatPiece::Kind::Argument, {}, indexOf(name)};
    return true;
}

std::uint64_t expectedArgumentCount(std::string_view text)
{
    std::uint64_t expected = 0;
    FormatTemplateReader reader(text);
    FormatPiece piece;
    while (reader.next(piece))
        if (piece.kind == FormatPiece::Kind::Argument && piece.argument >= expected)
            expected = piece.argument == kSaturated ? kSaturated : piece.argument + 1;
    return expected;
}

void checkArgumentCount(std::string_view text, std::uint64_t expected, std::uint64_t found)
{
    if (found != expected)
        throw InvalidFormatArgumentCount(expectedText(text, expected), found);
}

String renderFormat(std::string_view text, std::uint64_t expected, std::span<const String> arguments)
{
    checkArgumentCount(text, expected, arguments.size());
    // Two passes over the template: the length, then the text. Arguments are
    // copied as they are, never read as templates.
    std::uint64_t length = 0;
    FormatTemplateReader measuring(text);
    FormatPiece piece;
    while (measuring.next(piece))
        length += piece.kind == FormatPiece::Kind::Text ? piece.text.size() : arguments[piece.argument].length;
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    char* out = nullptr;
    String result = String::allocate(std::uint32_t(length), out);
    FormatTemplateReader writing(text);
    while (writing.next(piece)) {
        std::string_view part = piece.kind == FormatPiece::Kind::Text ? piece.text : arguments[piece.argument].view();
        if (!part.empty())
            std::memcpy(out, part.data(), part.size());
        out += part.size();
    }
    return result;
}

} // namespace guard
