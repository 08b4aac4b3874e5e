#pragma once
// The command line of guard-shell.
//
//   guard-shell [OPTION...] [FILE...]
//
// -e QUESTION (repeatable) asks the questions given; FILE... reads question
// files; with neither, questions come from standard input (a terminal gets
// the interactive shell). Options: --json, --check, --explain, --types,
// --times, --timeout DURATION, --max-answers N, --no-color, --help,
// --version. "--opt=value" and "--opt value" are both accepted; "--" ends
// the options. parseShellOptions() never exits: an error leaves its
// sentence in `error`.
#include <cstdint>
#include <string>
#include <vector>

namespace guard {

struct ShellOptions {
    std::vector<std::string> questions; // from -e, in order
    std::vector<std::string> files;
    bool json = false;
    bool check = false;
    bool explain = false;
    bool types = false;
    bool times = false;
    bool noColor = false;
    bool help = false;
    bool version = false;
    std::uint64_t timeoutMicroseconds = 0; // 0: none
    std::uint64_t maxAnswers = 0;          // 0: none
    std::string error;                     // a usage error when not empty
};

ShellOptions parseShellOptions(int argc, char** argv);

// Reads a duration: a decimal number (fractions allowed) with an optional
// unit, "us", "ms", "s" (the default), "m" or "h"; "1.5s", "250ms", "2".
// False for anything else, for zero and for more than a day.
bool parseDuration(std::string_view text, std::uint64_t& microseconds);

} // namespace guard
