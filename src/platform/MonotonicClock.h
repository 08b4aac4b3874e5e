#pragma once
// The machine's monotonic clock, in microseconds since an arbitrary start.
#include <cstdint>

namespace guard {

namespace Platform {

std::uint64_t monotonicMicroseconds();

} // namespace Platform

} // namespace guard
