#pragma once
// Conversions between times and calendar values, and the checked makers of
// the calendar values. Every function that can leave the calendar (years 0 to
// 9999) or the 64-bit range answers std::nullopt there: no value.
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeValues.h"

namespace guard {

namespace TimeCalendar {

std::optional<Date> makeDate(std::int64_t year, std::int64_t month, std::int64_t day);
std::optional<Date> dateOfDayNumber(std::int64_t dayNumber);
std::int64_t dayNumberOf(Date date);
int weekdayOf(Date date);

// The date and the time of day at `time` on the clocks of `zone`.
std::optional<Date> dateAt(Time time, TimeZone zone);
TimeOfDay timeOfDayAt(Time time, TimeZone zone);

// The time at which the clocks of `zone` show `date` and `timeOfDay`.
std::optional<Time> timeOf(Date date, TimeOfDay timeOfDay, TimeZone zone);

// A time of day `seconds` after midnight, wrapped into one day.
TimeOfDay timeOfDayFromSeconds(std::int64_t seconds);

// The whole days of an interval, rounded towards minus infinity: a date is
// taken as the midnight that starts it, so date + 36 hours is the next day
// and date - 1 hour the day before.
std::int64_t wholeDaysOf(TimeInterval interval);
// The whole seconds of an interval, rounded towards minus infinity.
std::int64_t wholeSecondsOf(TimeInterval interval);
// The same of the negated interval (⌊−x⌋, defined for the least interval
// too): what subtracting an interval moves by.
std::int64_t negatedWholeDaysOf(TimeInterval interval);
std::int64_t negatedWholeSecondsOf(TimeInterval interval);

std::optional<Year> makeYear(std::int64_t year);
std::optional<Month> makeMonth(std::int64_t month);
std::optional<DayOfMonth> makeDayOfMonth(std::int64_t day);
std::optional<MonthAndYear> makeMonthAndYear(std::int64_t month, std::int64_t year);
// A day of year must exist in some year: February 29 does, April 31 does not.
std::optional<DayOfYear> makeDayOfYear(std::int64_t month, std::int64_t day);

// Months counted from January of year 0, and back.
std::int64_t monthIndex(MonthAndYear value);
std::optional<MonthAndYear> monthAndYearOfIndex(std::int64_t index);

} // namespace TimeCalendar

} // namespace guard
