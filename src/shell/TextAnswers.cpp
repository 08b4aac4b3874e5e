#include "shell/TextAnswers.h"

#include <charconv>

#include "driver/AnswerEscaping.h"

namespace guard {

namespace {

constexpr std::string_view kGreen = "\x1b[32m";
constexpr std::string_view kRed = "\x1b[31m";
constexpr std::string_view kDim = "\x1b[2m";
constexpr std::string_view kReset = "\x1b[0m";

void put(LineReceiver& lines, std::string_view text)
{
    if (!text.empty())
        lines.Text(text.data(), text.data() + text.size());
}

} // namespace

void TextAnswers::line(std::string_view colour, std::string_view header, std::string_view text, bool escaped)
{
    if (style_.colour)
        put(lines_, colour);
    put(lines_, header);
    if (escaped)
        writeEscaped(lines_, text);
    else
        put(lines_, text);
    if (style_.colour)
        put(lines_, kReset);
    lines_.LineEnd(0, 0);
    if (style_.flushEachLine)
        sink_.flush();
}

void TextAnswers::questionText(std::string_view text)
{
    if (style_.echo)
        put(lines_, text);
}

void TextAnswers::questionEnd()
{
    if (style_.echo)
        lines_.LineEnd(0, 0);
}

void TextAnswers::answer(std::string_view text) { line(kGreen, "A: ", text, true); }

void TextAnswers::error(std::string_view message) { line(kRed, "E: ", message, true); }

void TextAnswers::time(std::uint64_t microseconds)
{
    char digits[24];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, microseconds);
    line(kDim, "T: ", std::string_view(digits, std::size_t(end - digits)), false);
}

void TextAnswers::type(std::string_view name) { line(kDim, "I: ", name, false); }

void TextAnswers::blockEnd()
{
    if (style_.echo)
        lines_.LineEnd(0, 0);
    sink_.flush();
}

} // namespace guard
