#pragma once
// The proleptic Gregorian calendar with a year 0, in day numbers.
//
// The day number of a date of year y >= 1 is
//   365·y + ⌊(y−1)/4⌋ − ⌊(y−1)/100⌋ + ⌊(y−1)/400⌋ + 1 + (day of the year from 0),
// and of a date of year 0 the day of the year alone: 1 January 0000 is day 0,
// 1 January 1970 day 719 528. Weekdays count from Sunday (0), and
// (day number + 6) mod 7 is the weekday. Everything is constant time.
//
// The calendar's dates run from 1 January 0000 to 31 December 9999: those are
// the years the text forms write in four digits and the parsers read back.
#include <cstdint>

namespace guard {

namespace Calendar {

inline constexpr std::int64_t kMicrosecondsPerSecond = 1000000;
inline constexpr std::int64_t kMicrosecondsPerMinute = 60 * kMicrosecondsPerSecond;
inline constexpr std::int64_t kMicrosecondsPerHour = 60 * kMicrosecondsPerMinute;
inline constexpr std::int64_t kMicrosecondsPerDay = 24 * kMicrosecondsPerHour;
inline constexpr std::int64_t kSecondsPerDay = 86400;

inline constexpr std::int64_t kFirstYear = 0;
inline constexpr std::int64_t kLastYear = 9999;
inline constexpr std::int64_t kDayNumberOf1970 = 719528;
// The day numbers of 1 January 0000 and 31 December 9999.
inline constexpr std::int64_t kFirstDayNumber = 0;
inline constexpr std::int64_t kLastDayNumber = 3652424;

// ⌊a / b⌋ and a − b·⌊a / b⌋ for b > 0.
constexpr std::int64_t floorDivide(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }
constexpr std::int64_t floorModulo(std::int64_t a, std::int64_t b) { return a % b + (a % b < 0 ? b : 0); }

constexpr bool isLeapYear(std::int64_t year)
{
    return floorModulo(year, 4) == 0 && (floorModulo(year, 100) != 0 || floorModulo(year, 400) == 0);
}

// Days in `month` (1 to 12) of `year`.
int monthLength(std::int64_t year, int month);

// Whether the year lies in the calendar and month and day name a day of it.
bool isValidDate(std::int64_t year, std::int64_t month, std::int64_t day);
bool isCalendarYear(std::int64_t year);

// The day of the year counted from 0 (1 January is 0), for a valid date.
int dayOfYear(std::int64_t year, int month, int day);

// The day number of a valid date.
std::int64_t dayNumber(std::int64_t year, int month, int day);

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

// The date of a day number, for any day number whose year fits in 64 bits
// (callers check the calendar's range with isCalendarDayNumber).
CivilDate dateOfDayNumber(std::int64_t dayNumber);
constexpr bool isCalendarDayNumber(std::int64_t dayNumber)
{
    return dayNumber >= kFirstDayNumber && dayNumber <= kLastDayNumber;
}

// 0 (Sunday) to 6 (Saturday).
constexpr int weekdayOfDayNumber(std::int64_t dayNumber) { return int(floorModulo(dayNumber + 6, 7)); }

} // namespace Calendar

} // namespace guard
