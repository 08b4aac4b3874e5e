#pragma once
// Runs a piece of the program and turns an exception escaping it into a
// message on standard error and an exit code: "\nError: <what()>\n" for a
// standard exception, "Unhandled exception\n" for anything else.
#include <cstdio>
#include <exception>

namespace guard {

// Exit code when an exception escapes an evaluation mode.
inline constexpr int kModeExceptionExit = -5;
// Exit code when an exception escapes the process set-up before any mode runs.
inline constexpr int kStartUpExceptionExit = -2;

template <class Body>
int runGuarded(int failureCode, Body&& body)
{
    try {
        return body();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "\nError: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception\n");
    }
    return failureCode;
}

} // namespace guard
