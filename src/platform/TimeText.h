#pragma once
// The text form of an absolute time, as settings keep their effective dates:
// "Sat, 21 Feb 2009 12:34:56 -0500" (weekday, day, month, four-digit year,
// time of day and the zone's offset from UTC). Times are microseconds since
// 1 January 1970 00:00:00 UTC on the proleptic Gregorian calendar.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace guard {

// Longest text formatTimeText() writes (a five-digit year and its sign fit).
inline constexpr std::size_t kTimeTextMaximum = 40;

// `time` written as seen in the zone `offsetSeconds` east of UTC; the
// offset's seconds are dropped from the zone ("+0530"), fractions of a
// second from the time.
std::string formatTimeText(std::int64_t time, int offsetSeconds);

// Reads the form formatTimeText() writes. The weekday is optional but must
// match when present; names are read ignoring ASCII case; the seconds may be
// left out; the zone is "+hhmm", "-hhmm", "GMT", "UT" or "UTC". Nothing else
// may surround the text. nullopt when the text is not such a time.
std::optional<std::int64_t> parseTimeText(std::string_view text);

namespace Platform {

// The system clock, in microseconds since 1970 UTC.
std::int64_t currentTime();
// Offset east of UTC, in seconds, of the machine's local zone at `time`.
int localZoneOffset(std::int64_t time);

} // namespace Platform

} // namespace guard
