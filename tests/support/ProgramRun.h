#pragma once
// Runs a program with the given argument vector (argv[0] included), standard
// input closed, and collects its exit code and its two output streams.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace guard {

struct ProgramRun {
    int exitCode = -1; // as a shell sees it: 0..255
    std::string out;
    std::string err;
};

inline ProgramRun runProgram(const std::vector<std::string>& arguments)
{
    TempDirectory capture;
    std::string outPath = capture / "stdout", errPath = capture / "stderr";
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    ProgramRun run;
    pid_t child = ::fork();
    if (child == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0)
            ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = TempDirectory::Read(outPath);
    run.err = TempDirectory::Read(errPath);
    return run;
}

} // namespace guard
