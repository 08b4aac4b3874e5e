#pragma once
// Measures elapsed time on the monotonic clock, in microseconds.
#include <cstdint>

#include "platform/MonotonicClock.h"

namespace guard {

class Stopwatch {
public:
    void reset()
    {
        accumulated_ = 0;
        running_ = false;
    }
    void start()
    {
        if (!running_) {
            started_ = Platform::monotonicMicroseconds();
            running_ = true;
        }
    }
    void stop()
    {
        if (running_) {
            accumulated_ += Platform::monotonicMicroseconds() - started_;
            running_ = false;
        }
    }
    // The time measured so far, including the running stretch.
    std::uint64_t microseconds() const
    {
        return accumulated_ + (running_ ? Platform::monotonicMicroseconds() - started_ : 0);
    }

private:
    std::uint64_t accumulated_ = 0;
    std::uint64_t started_ = 0;
    bool running_ = false;
};

} // namespace guard
