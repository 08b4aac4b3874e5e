// "day of month": 1 to 31, a day number without its month. An interval moves
// it by whole days (rounded towards minus infinity) without wrapping, since
// it has no month to wrap in: a result outside 1 to 31 has no value. The
// difference of two days of month is signed.
#include <optional>

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

std::optional<DayOfMonth> withKey(std::int64_t day) { return TimeCalendar::makeDayOfMonth(day); }
std::optional<DayOfMonth> fromInteger(std::int64_t day) { return TimeCalendar::makeDayOfMonth(day); }

std::optional<DayOfMonth> current()
{
    std::optional<Date> today = currentDate();
    return today ? std::optional<DayOfMonth>(DayOfMonth{today->day}) : std::nullopt;
}

std::int64_t asInteger(DayOfMonth day) { return day.day; }
String asString(DayOfMonth day)
{
    char text[2];
    return day.day < 10 ? String::copy(text + 1, TimeText::writeTwoDigits(text, int(day.day)))
                        : String::copy(text, TimeText::writeTwoDigits(text, int(day.day)));
}
String twoDigits(DayOfMonth day)
{
    char text[2];
    return String::copy(text, TimeText::writeTwoDigits(text, int(day.day)));
}

std::optional<DayOfMonth> plusDays(DayOfMonth day, std::int64_t days)
{
    if (days > 31 || days < -31)
        return std::nullopt;
    return TimeCalendar::makeDayOfMonth(day.day + days);
}
std::optional<DayOfMonth> plusInterval(DayOfMonth day, TimeInterval interval)
{
    return plusDays(day, TimeCalendar::wholeDaysOf(interval));
}
std::optional<DayOfMonth> intervalPlus(TimeInterval interval, DayOfMonth day) { return plusInterval(day, interval); }
std::optional<DayOfMonth> minusInterval(DayOfMonth day, TimeInterval interval)
{
    return plusDays(day, TimeCalendar::negatedWholeDaysOf(interval));
}
TimeInterval difference(DayOfMonth left, DayOfMonth right)
{
    return TimeInterval{(left.day - right.day) * Calendar::kMicrosecondsPerDay};
}
std::optional<DayOfYear> withMonth(DayOfMonth day, Month month)
{
    return TimeCalendar::makeDayOfYear(month.month, day.day);
}
std::optional<Date> withMonthAndYear(DayOfMonth day, MonthAndYear monthAndYear)
{
    return TimeCalendar::makeDate(monthAndYear.year, monthAndYear.month, day.day);
}

} // namespace

GUARD_INSPECTORS(type<DayOfMonth>(), property<Shape::Keyed, withKey>("day_of_month", "days_of_month"),
                 property<Shape::Global, current>("current day_of_month", "current days_of_month")
                     .dependingOn(dependsOnCurrentDateAndTimeZone),
                 cast<asInteger>("integer"), cast<asString>("string"), cast<twoDigits>("two digits"),
                 binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(), binary<kMinus, difference>(),
                 binary<kConcatenate, withMonth>(), binary<kConcatenate, withMonthAndYear>(),
                 binary<kPlus, intervalPlus>(), cast<fromInteger>("day_of_month"))
GUARD_INSPECTOR_ARRAY(orderedValueBundle<DayOfMonth>())

} // namespace guard
