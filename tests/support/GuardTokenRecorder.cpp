#include "support/GuardTokenRecorder.h"

#include <cstdio>

namespace guard {

namespace {

const char* const kTerminalNames[] = {
    "(", ")",      "not", "|",     "product", "+",      "relation",  "and", "or",   ",",    ";",
    "-", "phrase", "of",  "whose", "as",      "exists", "exists-no", "if",  "then", "else", "it",
};

std::string escaped(const char* begin, const char* end)
{
    std::string text;
    for (; begin < end; ++begin) {
        unsigned char byte = static_cast<unsigned char>(*begin);
        if (byte < 32 || byte > 126 || byte == '%' || byte == '"') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            text += hex;
        } else {
            text += char(byte);
        }
    }
    return text;
}

} // namespace

std::string GuardTokenRecorder::describe(const GuardParsingAction& action)
{
    std::string name = kTerminalNames[action.terminal];
    if (auto* op = dynamic_cast<const GuardOperatorAction*>(&action)) {
        name += "[" + std::to_string(op->code);
        if (op->swap)
            name += " swap";
        if (op->negate)
            name += " neg";
        name += "]";
    }
    return name;
}

void GuardTokenRecorder::AcceptString(TextOffset start, TextOffset end, const char* begin, const char* bytesEnd)
{
    add("\"" + escaped(begin, bytesEnd) + "\"" + at(start, end));
}

void GuardTokenRecorder::AcceptCharacter(TextOffset start, TextOffset, unsigned char byte)
{
    char c = char(byte);
    stop("UnexpectedCharacter(" + escaped(&c, &c + 1) + ")@" + std::to_string(start));
}

} // namespace guard
