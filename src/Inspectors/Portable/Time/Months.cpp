// "month": January (1) to December (12); the twelve names, this month, the
// text forms and the arithmetic, which wraps around the year (january -
// month is December). The difference of two months counts from the right
// one forward to the left one (0 to 11 months: january - december is 1 month).
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

template <int month>
Month named()
{
    return Month{month};
}

std::optional<Month> current()
{
    std::optional<Date> today = currentDate();
    return today ? std::optional<Month>(Month{today->month}) : std::nullopt;
}
std::optional<Month> withKey(std::int64_t month) { return TimeCalendar::makeMonth(month); }
std::optional<Month> fromInteger(std::int64_t month) { return TimeCalendar::makeMonth(month); }

std::int64_t asInteger(Month month) { return month.month; }
String asString(Month month) { return String::over(TimeText::monthName(int(month.month))); }
String threeLetters(Month month) { return String::over(TimeText::monthAbbreviation(int(month.month))); }
String twoDigits(Month month)
{
    char text[2];
    return String::copy(text, TimeText::writeTwoDigits(text, int(month.month)));
}

std::optional<DayOfYear> withDay(Month month, DayOfMonth day)
{
    return TimeCalendar::makeDayOfYear(month.month, day.day);
}
std::optional<MonthAndYear> withYear(Month month, Year year)
{
    return TimeCalendar::makeMonthAndYear(month.month, year.year);
}
Month plusMonths(Month month, NumberOfMonths months)
{
    return Month{Calendar::floorModulo(month.month - 1 + Calendar::floorModulo(months.count, 12), 12) + 1};
}
Month monthsPlus(NumberOfMonths months, Month month) { return plusMonths(month, months); }
Month minusMonths(Month month, NumberOfMonths months)
{
    return Month{Calendar::floorModulo(month.month - 1 - Calendar::floorModulo(months.count, 12), 12) + 1};
}
NumberOfMonths difference(Month left, Month right)
{
    return NumberOfMonths{Calendar::floorModulo(left.month - right.month, 12)};
}

} // namespace

GUARD_INSPECTORS(
    type<Month>(),
    property<Shape::Global, current>("current month", "current months").dependingOn(dependsOnCurrentDateAndTimeZone),
    property<Shape::Global, named<1>>("january", "januarys"),
    property<Shape::Global, named<2>>("february", "februarys"), property<Shape::Global, named<3>>("march", "marchs"),
    property<Shape::Global, named<4>>("april", "aprils"), property<Shape::Global, named<5>>("may", "mays"),
    property<Shape::Global, named<6>>("june", "junes"), property<Shape::Global, named<7>>("july", "julys"),
    property<Shape::Global, named<8>>("august", "augusts"),
    property<Shape::Global, named<9>>("september", "septembers"),
    property<Shape::Global, named<10>>("october", "octobers"),
    property<Shape::Global, named<11>>("november", "novembers"),
    property<Shape::Global, named<12>>("december", "decembers"), property<Shape::Keyed, withKey>("month", "months"),
    cast<asInteger>("integer"), cast<asString>("string"), cast<threeLetters>("three letters"),
    cast<twoDigits>("two digits"), binary<kConcatenate, withDay>(), binary<kConcatenate, withYear>(),
    binary<kPlus, plusMonths>(), binary<kMinus, minusMonths>(), binary<kMinus, difference>(),
    binary<kPlus, monthsPlus>(), cast<fromInteger>("month"))
GUARD_INSPECTOR_ARRAY(orderedValueBundle<Month>())

} // namespace guard
