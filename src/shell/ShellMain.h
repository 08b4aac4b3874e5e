#pragma once
// The entry point of guard-shell. Exit status: 0 when every question was
// answered without an error line, 1 when any had one, 2 for a usage error,
// a file that cannot be read, or a failure that ended the run.
namespace guard {

inline constexpr int kShellAllAnswered = 0;
inline constexpr int kShellSomeFailed = 1;
inline constexpr int kShellUsageOrFileError = 2;

int shellMain(int argc, char** argv);

} // namespace guard
