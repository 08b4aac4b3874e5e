// Fuzz target: format templates read and filled in.
//
// Input: one byte choosing how many arguments are given (the expected
// number, one fewer or one more), then the template text. The template is
// read and filled with arguments that look like templates themselves
// ("{0}", "{_tab}", a lone "{"), and the outcome is compared with a plain
// reading of the rules written here independently: the same failure class
// for a bad template, the argument-count failure (with its text) for a wrong
// number of arguments, else the same text. Any other exception is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "Inspectors/Portable/Format/FormatTemplate.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

enum class Outcome { Text, BadFormatString, ImproperName, InvalidKey, ArgumentCount };

struct Expected {
    Outcome outcome = Outcome::Text;
    std::string text;
    std::uint64_t count = 0; // arguments expected (saturated)
};

// The rules, read directly: variables from "{" to the next "}", the six
// reserved names, decimal indexes; the first failure in reading order wins.
Expected readDirectly(std::string_view text, const std::vector<std::string>& arguments, bool render)
{
    Expected result;
    std::vector<std::uint64_t> indexes;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t open = text.find('{', at);
        if (open == std::string_view::npos) {
            result.text += text.substr(at);
            break;
        }
        result.text += text.substr(at, open - at);
        std::size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            return {Outcome::BadFormatString, {}, 0};
        std::string_view name = text.substr(open + 1, close - open - 1);
        at = close + 1;
        if (name.empty())
            return {Outcome::ImproperName, {}, 0};
        if (name == "_tab")
            result.text += '\t';
        else if (name == "_cr")
            result.text += '\r';
        else if (name == "_lf")
            result.text += '\n';
        else if (name == "_crlf")
            result.text += "\r\n";
        else if (name == "_obrace")
            result.text += '{';
        else if (name == "_cbrace")
            result.text += '}';
        else if (name.find_first_not_of("0123456789") != std::string_view::npos)
            return {Outcome::InvalidKey, std::string(name), 0};
        else {
            std::uint64_t index = 0;
            for (char c : name)
                index = index > (UINT64_MAX - 9) / 10 ? UINT64_MAX : index * 10 + std::uint64_t(c - '0');
            indexes.push_back(index);
            result.count = std::max(result.count, index == UINT64_MAX ? UINT64_MAX : index + 1);
            result.text += '\x01'; // a place for the argument, filled below
        }
    }
    if (!render)
        return result;
    if (arguments.size() != result.count)
        return {Outcome::ArgumentCount, {}, result.count};
    if (text.find('\x01') != std::string_view::npos)
        return result; // the marks could not be told from the template's own bytes
    std::string filled;
    std::size_t next = 0;
    for (char c : result.text) {
        if (c == '\x01')
            filled += arguments[indexes[next++]];
        else
            filled += c;
    }
    result.text = filled;
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static InlineStackAllocator<1 << 16> allocator;
    if (size == 0 || size > 4096)
        return 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    // Templates with \x01 are read but not compared as text (the oracle uses
    // that byte to mark argument places).
    bool comparable = text.find('\x01') == std::string_view::npos;
    int delta = data[0] % 3 - 1;

    Expected shape = readDirectly(text, {}, false);
    std::uint64_t expected = 0;
    try {
        expected = expectedArgumentCount(text);
        fuzz::check(shape.outcome == Outcome::Text, "template read though it is bad", text);
    } catch (const BadFormatStringError&) {
        fuzz::check(shape.outcome == Outcome::BadFormatString, "BadFormatStringError", text);
        return 0;
    } catch (const ImproperFormatVariableName&) {
        fuzz::check(shape.outcome == Outcome::ImproperName, "ImproperFormatVariableName", text);
        return 0;
    } catch (const InvalidFormatKey& e) {
        fuzz::check(shape.outcome == Outcome::InvalidKey, "InvalidFormatKey", text);
        fuzz::check(e.text() == "Invalid non-numeric format key: " + shape.text.substr(0, 256), "key text", e.text());
        return 0;
    }
    fuzz::check(expected == shape.count, "expected argument count", text);
    if (expected > 64 || (expected == 0 && delta < 0))
        return 0;

    std::vector<std::string> arguments;
    std::uint64_t given = std::uint64_t(std::int64_t(expected) + delta);
    for (std::uint64_t i = 0; i < given; ++i)
        arguments.push_back(i % 3 == 0 ? "{" + std::to_string(i) + "}" : i % 3 == 1 ? "{_tab}" : "{");
    std::vector<String> values;
    for (const std::string& argument : arguments)
        values.emplace_back(argument.data(), std::uint32_t(argument.size()));

    StackAllocatorBase::Mark mark = allocator.mark();
    InstalledEvaluation installed(nullptr, &allocator);
    Expected want = readDirectly(text, arguments, true);
    try {
        String result = renderFormat(text, expected, values);
        fuzz::check(want.outcome == Outcome::Text, "rendered with a wrong argument count", text);
        fuzz::check(!comparable || result.view() == want.text, "rendered text", result.view());
    } catch (const InvalidFormatArgumentCount& e) {
        fuzz::check(want.outcome == Outcome::ArgumentCount, "InvalidFormatArgumentCount", text);
        std::string sentence =
            "Invalid format argument count: expected " + std::to_string(expected) + ", found " + std::to_string(given);
        fuzz::check(e.text() == sentence, "argument count text", e.text());
    }
    allocator.release(mark);
    return 0;
}

} // namespace guard
