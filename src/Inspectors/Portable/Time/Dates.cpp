// "date": a day of the calendar; its parts, today's date, its text form
// ("Sat, 21 Feb 2009") and its arithmetic. Months are added keeping the day
// of the month, never clamping: 31 January + 1 month has no value. An
// interval moves a date by its whole days rounded towards minus infinity (the
// date is taken as the midnight that starts it, so date - 1 hour is the day
// before); the difference of two dates is whole days.
#include <algorithm>
#include <optional>

#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

DayOfMonth dayOfMonthOf(Date date) { return DayOfMonth{date.day}; }
Month monthOf(Date date) { return Month{date.month}; }
Year yearOf(Date date) { return Year{date.year}; }
DayOfWeek dayOfWeekOf(Date date) { return DayOfWeek{TimeCalendar::weekdayOf(date)}; }
DayOfYear dayOfYearOf(Date date) { return DayOfYear{date.month, date.day}; }
MonthAndYear monthAndYearOf(Date date) { return MonthAndYear{date.month, date.year}; }

String asString(Date date)
{
    char text[16];
    return String::copy(text, TimeText::writeDate(text, date));
}

std::optional<Date> plusMonths(Date date, NumberOfMonths months)
{
    // Far-away counts leave the calendar either way; clamping them first keeps
    // the sum inside 64 bits.
    const std::int64_t count = std::clamp<std::int64_t>(months.count, -1000000, 1000000);
    std::optional<MonthAndYear> moved =
        TimeCalendar::monthAndYearOfIndex(TimeCalendar::monthIndex(MonthAndYear{date.month, date.year}) + count);
    if (!moved)
        return std::nullopt;
    return TimeCalendar::makeDate(moved->year, moved->month, date.day);
}
std::optional<Date> monthsPlus(NumberOfMonths months, Date date) { return plusMonths(date, months); }
std::optional<Date> minusMonths(Date date, NumberOfMonths months)
{
    if (months.count == kLeastInteger)
        return std::nullopt;
    return plusMonths(date, NumberOfMonths{-months.count});
}

std::optional<Date> plusDays(Date date, std::int64_t days)
{
    // Beyond the calendar's length any count leaves it.
    if (days > Calendar::kLastDayNumber || days < -Calendar::kLastDayNumber)
        return std::nullopt;
    return TimeCalendar::dateOfDayNumber(TimeCalendar::dayNumberOf(date) + days);
}
std::optional<Date> plusInterval(Date date, TimeInterval interval)
{
    return plusDays(date, TimeCalendar::wholeDaysOf(interval));
}
std::optional<Date> intervalPlus(TimeInterval interval, Date date) { return plusInterval(date, interval); }
std::optional<Date> minusInterval(Date date, TimeInterval interval)
{
    // The date of the moment that lies the interval before its midnight.
    return plusDays(date, TimeCalendar::negatedWholeDaysOf(interval));
}
TimeInterval difference(Date left, Date right)
{
    return TimeInterval{(TimeCalendar::dayNumberOf(left) - TimeCalendar::dayNumberOf(right)) *
                        Calendar::kMicrosecondsPerDay};
}
std::optional<Time> atTime(Date date, const ZonedTimeOfDay& time)
{
    return TimeCalendar::timeOf(date, time.time, time.zone);
}

} // namespace

GUARD_INSPECTORS(
    type<Date>(), property<Shape::Of, dayOfMonthOf>("day_of_month", "days_of_month"),
    property<Shape::Of, monthOf>("month", "months"), property<Shape::Of, yearOf>("year", "years"),
    property<Shape::Of, dayOfWeekOf>("day_of_week", "days_of_week"),
    property<Shape::Of, dayOfYearOf>("day_of_year", "days_of_year"),
    property<Shape::Of, monthAndYearOf>("month_and_year", "months_and_years"),
    property<Shape::Global, currentDate>("current date", "current dates").dependingOn(dependsOnCurrentDateAndTimeZone),
    cast<asString>("string"), binary<kPlus, plusMonths>(), binary<kMinus, minusMonths>(), binary<kPlus, plusInterval>(),
    binary<kMinus, minusInterval>(), binary<kMinus, difference>(), binary<kConcatenate, atTime>(),
    binary<kPlus, intervalPlus>(), binary<kPlus, monthsPlus>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<Date>())

} // namespace guard
