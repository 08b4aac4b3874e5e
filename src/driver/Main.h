#pragma once

namespace guard {
// The program's entry: checks the command line, prepares the process and runs
// one evaluation mode. Returns the process exit code.
int guardMain(int argc, char** argv);

} // namespace guard
