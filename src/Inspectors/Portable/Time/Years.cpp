// "year": a year of the calendar (0 to 9999); this year, leap years, their
// length and the arithmetic in months. A year moves by whole years only: the
// months are divided by 12 rounding towards minus infinity (a year is taken
// as its January, so 2009 + 6 months is 2009 and 2009 - 6 months is 2008);
// the difference of two years is 12 months a year.
#include <charconv>
#include <optional>

#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

std::optional<Year> current()
{
    std::optional<Date> today = currentDate();
    return today ? std::optional<Year>(Year{today->year}) : std::nullopt;
}
bool leap(Year year) { return Calendar::isLeapYear(year.year); }
TimeInterval lengthOf(Year year) { return TimeInterval{(leap(year) ? 366 : 365) * Calendar::kMicrosecondsPerDay}; }
std::optional<Year> withKey(std::int64_t year) { return TimeCalendar::makeYear(year); }
std::optional<Year> fromInteger(std::int64_t year) { return TimeCalendar::makeYear(year); }

std::int64_t asInteger(Year year) { return year.year; }
String asString(Year year)
{
    char text[24];
    return String::copy(text, std::to_chars(text, text + sizeof text, year.year).ptr);
}

std::optional<Date> withDayOfYear(Year year, DayOfYear day)
{
    return TimeCalendar::makeDate(year.year, day.month, day.day);
}
std::optional<MonthAndYear> withMonth(Year year, Month month)
{
    return TimeCalendar::makeMonthAndYear(month.month, year.year);
}
std::optional<Year> plusMonths(Year year, NumberOfMonths months)
{
    return TimeCalendar::makeYear(year.year + Calendar::floorDivide(months.count, 12));
}
std::optional<Year> monthsPlus(NumberOfMonths months, Year year) { return plusMonths(year, months); }
std::optional<Year> minusMonths(Year year, NumberOfMonths months)
{
    if (months.count == kLeastInteger)
        return std::nullopt;
    return plusMonths(year, NumberOfMonths{-months.count});
}
NumberOfMonths difference(Year left, Year right) { return NumberOfMonths{(left.year - right.year) * 12}; }

} // namespace

GUARD_INSPECTORS(
    type<Year>(),
    property<Shape::Global, current>("current year", "current years").dependingOn(dependsOnCurrentDateAndTimeZone),
    property<Shape::Of, leap>("leap", "leaps"), property<Shape::Of, lengthOf>("length", "lengths"),
    property<Shape::Keyed, withKey>("year", "years"), cast<asInteger>("integer"), cast<asString>("string"),
    binary<kConcatenate, withDayOfYear>(), binary<kConcatenate, withMonth>(), binary<kPlus, plusMonths>(),
    binary<kMinus, minusMonths>(), binary<kMinus, difference>(), binary<kPlus, monthsPlus>(), cast<fromInteger>("year"))
GUARD_INSPECTOR_ARRAY(orderedValueBundle<Year>())

} // namespace guard
