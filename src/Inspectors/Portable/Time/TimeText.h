#pragma once
// The text forms of the time and calendar values, written into the caller's
// fixed buffers (no allocation): each writer takes the first byte to write
// and returns the end of what it wrote.
//
//   date            "Sat, 21 Feb 2009"                     (16 bytes)
//   time of day     "12:34:05"                             (8)
//   zone            "+0000", "-0500", "+0530"; seconds dropped (at least 5)
//   time            date, " ", time of day, " ", zone      (kMaxTimeText)
//   interval        "-1 day, 01:01:01.500250", "2 days", "00:00:00"
//   months          "1 years, 6 months", "-2 years", "5 months", "0 months"
#include <cstddef>
#include <optional>
#include <string_view>

#include "Inspectors/Portable/Time/TimeValues.h"

namespace guard {

namespace TimeText {

inline constexpr std::size_t kMaxTimeText = 40;
inline constexpr std::size_t kMaxZoneText = 24;
inline constexpr std::size_t kMaxIntervalText = 48;
inline constexpr std::size_t kMaxMonthsText = 48;

// "Sunday" .. "Saturday", "Sun" .. "Sat" for 0 to 6; "January" .. "December",
// "Jan" .. "Dec" for 1 to 12.
std::string_view dayName(int day);
std::string_view dayAbbreviation(int day);
std::string_view monthName(int month);
std::string_view monthAbbreviation(int month);

// Two decimal digits of 0 to 99.
char* writeTwoDigits(char* out, int value);
char* writeDate(char* out, Date date);
char* writeTimeOfDay(char* out, TimeOfDay time);
char* writeZone(char* out, TimeZone zone);
// Needs kMaxTimeText bytes; no value when the date at `time` in `zone` is
// outside the calendar.
std::optional<char*> writeTime(char* out, Time time, TimeZone zone);
char* writeInterval(char* out, TimeInterval interval);
char* writeNumberOfMonths(char* out, NumberOfMonths months);

} // namespace TimeText

} // namespace guard
