#pragma once
// Helpers shared by the fuzz targets: cutting an input into chunks, a
// scratch folder for targets that work on files, an evaluation context that
// stops long evaluations, and a check that aborts with a message (so that
// libFuzzer records the input as a finding).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "driver/EvalContext.h"
#include "registry/InspectorInterrupter.h"

namespace guard {

namespace fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view detail = {})
{
    std::fprintf(stderr, "fuzz check failed: %s\n%.*s\n", what, int(detail.size()), detail.data());
    std::abort();
}

inline void check(bool condition, const char* what, std::string_view detail = {})
{
    if (!condition)
        fail(what, detail);
}

// A failure's sentence must exist and must not be one of the "unknown
// reason" sentences, which mean that something other than one of the
// program's own exceptions escaped.
inline void checkSentence(std::string_view message)
{
    check(!message.empty(), "empty message");
    for (std::string_view unknown : {"The expression could not be understood for an unknown reason.",
                                     "The expression could not be evaluated for an unknown reason.",
                                     "The expression could not be converted for an unknown reason."})
        check(message != unknown, "not a program exception", message);
}

// Calls `feed(begin, end)` for consecutive pieces of `text`. A `selector` of
// 0 gives one piece; otherwise the lengths come from a small generator
// seeded by it, each between 1 and (selector % 32) + 1 bytes, so that tokens
// split anywhere are exercised.
template <class Feed>
void feedInChunks(std::string_view text, std::uint8_t selector, Feed&& feed)
{
    if (selector == 0) {
        feed(text.data(), text.data() + text.size());
        return;
    }
    std::uint32_t state = selector;
    std::size_t longest = std::size_t(selector % 32) + 1;
    std::size_t at = 0;
    while (at < text.size()) {
        state = state * 1103515245u + 12345u;
        std::size_t length = 1 + (state >> 16) % longest;
        if (length > text.size() - at)
            length = text.size() - at;
        feed(text.data() + at, text.data() + at + length);
        at += length;
    }
}

// A folder of the process's own under /dev/shm (which keeps the files in
// memory) or the temporary folder, made on first use and removed with its
// files when the process exits normally (a crash leaves it behind).
inline const std::string& scratchFolder()
{
    static const std::string folder = [] {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
        std::string pattern = std::string(base ? base : "/tmp") + "/guard-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            fail("cannot make a scratch folder", pattern);
        return pattern;
    }();
    static const bool removedAtExit = [] {
        return std::atexit([] {
                   std::error_code ignored;
                   std::filesystem::remove_all(scratchFolder(), ignored);
               }) == 0;
    }();
    (void)removedAtExit;
    return folder;
}

// The program's evaluation context with an interrupter that stops an
// evaluation after a fixed number of interruption points, so that an input
// asking for billions of values ends quickly. restartTimer() resets the
// count, as a receiver does before each expression.
class BoundedEvalContext final : public EvalContext, public InspectorInterrupter, public InspectorInterrupterPort {
public:
    explicit BoundedEvalContext(std::uint64_t points) : points_(points) { fillFunctionTables(true); }

    bool keepGoing() override { return ++passed_ < points_; }
    void interrupt() override { throw InspectorInterruption(); }
    void restartTimer() override { passed_ = 0; }

private:
    std::uint64_t points_;
    std::uint64_t passed_ = 0;
};

} // namespace fuzz

} // namespace guard
