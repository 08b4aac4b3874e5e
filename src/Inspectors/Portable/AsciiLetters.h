#pragma once
// Letter case of ASCII text, independent of the locale: only the bytes
// 'A' to 'Z' have a lower case.
#include <string_view>

namespace guard {

constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// True when `text` equals `lowercaseWord` apart from the case of ASCII letters.
constexpr bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowercaseWord)
{
    if (text.size() != lowercaseWord.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (asciiLower(text[i]) != lowercaseWord[i])
            return false;
    return true;
}

} // namespace guard
