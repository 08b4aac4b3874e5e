#pragma once
// The machine's calendar clock and time zone, as the time inspectors see them.
//
// Tests fix both without a special build: the environment variable
// GUARD_FIXED_NOW, when it holds a decimal count of microseconds since
// 1970-01-01 00:00:00 UTC (optionally signed), replaces the clock for the
// whole run; the zone follows the usual TZ variable (it is read through
// localtime_r). Both are read when asked, never cached across calls except
// the fixed clock, which is parsed once.
#include <cstdint>

namespace guard {

namespace Platform {

// Microseconds since 1970-01-01 00:00:00 UTC.
std::int64_t currentTimeMicroseconds();

// The offset of the machine's zone from UTC, in seconds east, in effect at
// `microseconds` (a time as above). 0 when the system cannot tell.
std::int64_t zoneOffsetSecondsAt(std::int64_t microseconds);

} // namespace Platform

} // namespace guard
