#include "driver/AnswerBlockWriter.h"

#include <charconv>

#include "driver/AnswerEscaping.h"

namespace guard {

void AnswerLines::writeLine(std::string_view header, std::string_view text, bool escaped)
{
    output_.Text(header.data(), header.data() + header.size());
    if (escaped)
        writeEscaped(output_, text);
    else if (!text.empty())
        output_.Text(text.data(), text.data() + text.size());
    output_.LineEnd(0, 0);
}

void AnswerLines::questionText(std::string_view text)
{
    if (!text.empty())
        output_.Text(text.data(), text.data() + text.size());
}

void AnswerLines::questionEnd() { output_.LineEnd(0, 0); }

void AnswerLines::answer(std::string_view text) { writeLine("A: ", text, true); }

void AnswerLines::error(std::string_view message) { writeLine("E: ", message, true); }

void AnswerLines::time(std::uint64_t microseconds)
{
    char digits[24];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, microseconds);
    writeLine("T: ", std::string_view(digits, std::size_t(end - digits)), false);
}

void AnswerLines::type(std::string_view name) { writeLine("I: ", name, false); }

void AnswerLines::blockEnd() { output_.LineEnd(0, 0); }

} // namespace guard
