#pragma once
// The option words of the command line: "EvalXML", "Times" and "Types",
// matched as whole words with ASCII letters compared case-insensitively.
// Every other word is ignored; order and repetition do not matter.
#include <string_view>

namespace guard {

struct CommandLineOptions {
    bool compliance = false;
    bool times = false;
    bool types = false;
};

// True when the two words are equal once A-Z are folded to a-z.
bool equalsIgnoringAsciiCase(std::string_view left, std::string_view right) noexcept;

CommandLineOptions parseOptionWords(int count, const char* const* words);

// 3 to 7 arguments: program, source file, destination file, option words.
inline constexpr int kMinArguments = 3;
inline constexpr int kMaxArguments = 7;

} // namespace guard
