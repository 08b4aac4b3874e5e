// "day of year": a month and a day of it, without a year ("February 29").
// Its arithmetic counts in a leap year and wraps around the year's end:
// December 31 + 1 day is January 1, February 28 + 1 day is February 29, and
// the difference of two days of year is signed (March 1 - February 28 is
// 2 days). Months are added keeping the day, never clamping: January 31 +
// 1 month has no value. "& month and year" needs the two months to agree.
#include <algorithm>
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

// Year 0 is a leap year whose first day has day number 0.
std::int64_t positionOf(DayOfYear day) { return Calendar::dayOfYear(0, day.month, day.day); }
DayOfYear atPosition(std::int64_t position)
{
    Calendar::CivilDate date = Calendar::dateOfDayNumber(Calendar::floorModulo(position, 366));
    return DayOfYear{std::uint8_t(date.month), std::uint8_t(date.day)};
}

DayOfMonth dayOf(DayOfYear day) { return DayOfMonth{day.day}; }
Month monthOf(DayOfYear day) { return Month{day.month}; }

template <int month>
std::optional<DayOfYear> inMonth(std::int64_t day)
{
    return TimeCalendar::makeDayOfYear(month, day);
}

std::optional<DayOfYear> current()
{
    std::optional<Date> today = currentDate();
    return today ? std::optional<DayOfYear>(DayOfYear{today->month, today->day}) : std::nullopt;
}

String asString(DayOfYear day)
{
    char text[16];
    std::string_view name = TimeText::monthName(day.month);
    char* end = std::copy(name.begin(), name.end(), text);
    *end++ = ' ';
    if (day.day >= 10)
        *end++ = char('0' + day.day / 10);
    *end++ = char('0' + day.day % 10);
    return String::copy(text, end);
}

DayOfYear plusInterval(DayOfYear day, TimeInterval interval)
{
    return atPosition(positionOf(day) + Calendar::floorModulo(TimeCalendar::wholeDaysOf(interval), 366));
}
DayOfYear intervalPlus(TimeInterval interval, DayOfYear day) { return plusInterval(day, interval); }
DayOfYear minusInterval(DayOfYear day, TimeInterval interval)
{
    return atPosition(positionOf(day) + Calendar::floorModulo(TimeCalendar::negatedWholeDaysOf(interval), 366));
}
TimeInterval difference(DayOfYear left, DayOfYear right)
{
    return TimeInterval{(positionOf(left) - positionOf(right)) * Calendar::kMicrosecondsPerDay};
}
std::optional<DayOfYear> plusMonths(DayOfYear day, NumberOfMonths months)
{
    return TimeCalendar::makeDayOfYear(
        Calendar::floorModulo(day.month - 1 + Calendar::floorModulo(months.count, 12), 12) + 1, day.day);
}
std::optional<DayOfYear> monthsPlus(NumberOfMonths months, DayOfYear day) { return plusMonths(day, months); }
std::optional<DayOfYear> minusMonths(DayOfYear day, NumberOfMonths months)
{
    return TimeCalendar::makeDayOfYear(
        Calendar::floorModulo(day.month - 1 - Calendar::floorModulo(months.count, 12), 12) + 1, day.day);
}
std::optional<Date> inYear(DayOfYear day, Year year) { return TimeCalendar::makeDate(year.year, day.month, day.day); }
std::optional<Date> inMonthAndYear(DayOfYear day, MonthAndYear monthAndYear)
{
    if (monthAndYear.month != day.month)
        return std::nullopt;
    return TimeCalendar::makeDate(monthAndYear.year, day.month, day.day);
}

} // namespace

GUARD_INSPECTORS(type<DayOfYear>(), property<Shape::Of, dayOf>("day", "days"),
                 property<Shape::Of, monthOf>("month", "months"),
                 property<Shape::Keyed, inMonth<1>>("january", "januarys"),
                 property<Shape::Keyed, inMonth<2>>("february", "februarys"),
                 property<Shape::Keyed, inMonth<3>>("march", "marchs"),
                 property<Shape::Keyed, inMonth<4>>("april", "aprils"),
                 property<Shape::Keyed, inMonth<5>>("may", "mays"), property<Shape::Keyed, inMonth<6>>("june", "junes"),
                 property<Shape::Keyed, inMonth<7>>("july", "julys"),
                 property<Shape::Keyed, inMonth<8>>("august", "augusts"),
                 property<Shape::Keyed, inMonth<9>>("september", "septembers"),
                 property<Shape::Keyed, inMonth<10>>("october", "octobers"),
                 property<Shape::Keyed, inMonth<11>>("november", "novembers"),
                 property<Shape::Keyed, inMonth<12>>("december", "decembers"),
                 property<Shape::Global, current>("current day_of_year", "current days_of_year")
                     .dependingOn(dependsOnCurrentDateAndTimeZone),
                 cast<asString>("string"), binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(),
                 binary<kMinus, difference>(), binary<kPlus, plusMonths>(), binary<kMinus, minusMonths>(),
                 binary<kConcatenate, inYear>(), binary<kConcatenate, inMonthAndYear>(), binary<kPlus, intervalPlus>(),
                 binary<kPlus, monthsPlus>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<DayOfYear>())

} // namespace guard
