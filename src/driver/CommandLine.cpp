#include "driver/CommandLine.h"

namespace guard {

namespace {

char foldAscii(char byte) noexcept { return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte; }

} // namespace

bool equalsIgnoringAsciiCase(std::string_view left, std::string_view right) noexcept
{
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (foldAscii(left[i]) != foldAscii(right[i]))
            return false;
    }
    return true;
}

CommandLineOptions parseOptionWords(int count, const char* const* words)
{
    CommandLineOptions options;
    for (int i = 0; i < count; ++i) {
        std::string_view word = words[i];
        if (equalsIgnoringAsciiCase(word, "EvalXML"))
            options.compliance = true;
        else if (equalsIgnoringAsciiCase(word, "Times"))
            options.times = true;
        else if (equalsIgnoringAsciiCase(word, "Types"))
            options.types = true;
    }
    return options;
}

} // namespace guard
