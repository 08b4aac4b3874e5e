#pragma once

namespace guard {
// The program's entry: checks the command line, prepares the process and runs
// one evaluation mode. Returns the process exit code.
int guardMain(int argc, char** argv);

// Records the program's module and the library and storage locations beside
// the executable, and prepares the cryptographic module from the masthead
// beside it; false when that module cannot be used. Every program on this
// core calls it once before its first question.
bool prepareProcess();

} // namespace guard
