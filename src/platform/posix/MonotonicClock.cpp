#include "platform/MonotonicClock.h"

#include <time.h>

namespace guard {

namespace Platform {

std::uint64_t monotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint64_t(now.tv_sec) * 1000000u + std::uint64_t(now.tv_nsec) / 1000u;
}

} // namespace Platform

} // namespace guard
