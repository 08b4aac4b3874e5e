// "month and year": a month of the calendar ("February 2009"); its parts,
// this month, the first weekdays in it, its length, and the arithmetic in
// months, which carries into the year. "january of 2009" and "january 5 of
// 2009" make months and dates from integers. "& day of year" needs the two
// months to agree.
#include <algorithm>
#include <charconv>
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

// The first date in the month with the weekday.
Date firstOn(MonthAndYear month, int weekday)
{
    const std::int64_t first = Calendar::dayNumber(month.year, int(month.month), 1);
    const int day = 1 + int(Calendar::floorModulo(weekday - Calendar::weekdayOfDayNumber(first), 7));
    return Date{std::int32_t(month.year), std::uint8_t(month.month), std::uint8_t(day)};
}
Date firstWithKey(DayOfWeek day, MonthAndYear month) { return firstOn(month, day.day); }
template <int weekday>
Date first(MonthAndYear month)
{
    return firstOn(month, weekday);
}

std::optional<MonthAndYear> current()
{
    std::optional<Date> today = currentDate();
    return today ? std::optional<MonthAndYear>(MonthAndYear{today->month, today->year}) : std::nullopt;
}
Month monthOf(MonthAndYear value) { return Month{value.month}; }
Year yearOf(MonthAndYear value) { return Year{value.year}; }
TimeInterval lengthOf(MonthAndYear value)
{
    return TimeInterval{Calendar::monthLength(value.year, int(value.month)) * Calendar::kMicrosecondsPerDay};
}

String asString(MonthAndYear value)
{
    char text[32];
    std::string_view name = TimeText::monthName(int(value.month));
    char* end = std::copy(name.begin(), name.end(), text);
    *end++ = ' ';
    end = std::to_chars(end, text + sizeof text, value.year).ptr;
    return String::copy(text, end);
}

std::optional<Date> withDay(MonthAndYear value, DayOfMonth day)
{
    return TimeCalendar::makeDate(value.year, value.month, day.day);
}
std::optional<Date> withDayOfYear(MonthAndYear value, DayOfYear day)
{
    if (value.month != day.month)
        return std::nullopt;
    return TimeCalendar::makeDate(value.year, value.month, day.day);
}
std::optional<MonthAndYear> plusMonths(MonthAndYear value, NumberOfMonths months)
{
    const std::int64_t count = std::clamp<std::int64_t>(months.count, -1000000, 1000000);
    return TimeCalendar::monthAndYearOfIndex(TimeCalendar::monthIndex(value) + count);
}
std::optional<MonthAndYear> monthsPlus(NumberOfMonths months, MonthAndYear value) { return plusMonths(value, months); }
std::optional<MonthAndYear> minusMonths(MonthAndYear value, NumberOfMonths months)
{
    const std::int64_t count = std::clamp<std::int64_t>(months.count, -1000000, 1000000);
    return TimeCalendar::monthAndYearOfIndex(TimeCalendar::monthIndex(value) - count);
}
NumberOfMonths difference(MonthAndYear left, MonthAndYear right)
{
    return NumberOfMonths{TimeCalendar::monthIndex(left) - TimeCalendar::monthIndex(right)};
}

// "january of 2009" and "january 5 of 2009".
template <int month>
std::optional<MonthAndYear> ofYear(std::int64_t year)
{
    return TimeCalendar::makeMonthAndYear(month, year);
}
template <int month>
std::optional<Date> dayOfYear(std::int64_t day, std::int64_t year)
{
    return TimeCalendar::makeDate(year, month, day);
}

} // namespace

GUARD_INSPECTORS(type<MonthAndYear>(), property<Shape::KeyedOf, firstWithKey>("first", "firsts"),
                 property<Shape::Of, first<0>>("first sunday", "first sundays"),
                 property<Shape::Of, first<1>>("first monday", "first mondays"),
                 property<Shape::Of, first<2>>("first tuesday", "first tuesdays"),
                 property<Shape::Of, first<3>>("first wednesday", "first wednesdays"),
                 property<Shape::Of, first<4>>("first thursday", "first thursdays"),
                 property<Shape::Of, first<5>>("first friday", "first fridays"),
                 property<Shape::Of, first<6>>("first saturday", "first saturdays"),
                 property<Shape::Global, current>("current month_and_year", "current months_and_years")
                     .dependingOn(dependsOnCurrentDateAndTimeZone),
                 property<Shape::Of, monthOf>("month", "months"), property<Shape::Of, yearOf>("year", "years"),
                 property<Shape::Of, lengthOf>("length", "lengths"), cast<asString>("string"),
                 binary<kConcatenate, withDay>(), binary<kConcatenate, withDayOfYear>(), binary<kPlus, plusMonths>(),
                 binary<kMinus, minusMonths>(), binary<kMinus, difference>(), binary<kPlus, monthsPlus>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<MonthAndYear>())
GUARD_INSPECTORS(
    property<Shape::KeyedOf, dayOfYear<1>>("january", "januarys"),
    property<Shape::KeyedOf, dayOfYear<2>>("february", "februarys"),
    property<Shape::KeyedOf, dayOfYear<3>>("march", "marchs"),
    property<Shape::KeyedOf, dayOfYear<4>>("april", "aprils"), property<Shape::KeyedOf, dayOfYear<5>>("may", "mays"),
    property<Shape::KeyedOf, dayOfYear<6>>("june", "junes"), property<Shape::KeyedOf, dayOfYear<7>>("july", "julys"),
    property<Shape::KeyedOf, dayOfYear<8>>("august", "augusts"),
    property<Shape::KeyedOf, dayOfYear<9>>("september", "septembers"),
    property<Shape::KeyedOf, dayOfYear<10>>("october", "octobers"),
    property<Shape::KeyedOf, dayOfYear<11>>("november", "novembers"),
    property<Shape::KeyedOf, dayOfYear<12>>("december", "decembers"),
    property<Shape::Of, ofYear<1>>("january", "januarys"), property<Shape::Of, ofYear<2>>("february", "februarys"),
    property<Shape::Of, ofYear<3>>("march", "marchs"), property<Shape::Of, ofYear<4>>("april", "aprils"),
    property<Shape::Of, ofYear<5>>("may", "mays"), property<Shape::Of, ofYear<6>>("june", "junes"),
    property<Shape::Of, ofYear<7>>("july", "julys"), property<Shape::Of, ofYear<8>>("august", "augusts"),
    property<Shape::Of, ofYear<9>>("september", "septembers"), property<Shape::Of, ofYear<10>>("october", "octobers"),
    property<Shape::Of, ofYear<11>>("november", "novembers"), property<Shape::Of, ofYear<12>>("december", "decembers"))

} // namespace guard
