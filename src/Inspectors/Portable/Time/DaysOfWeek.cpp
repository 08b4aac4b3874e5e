// "day of week": Sunday (0) to Saturday (6); the seven names, today's, the
// text forms and the arithmetic, which wraps around the week. An interval
// moves a day by its whole days rounded towards minus infinity; the
// difference of two days is the days from the right one forward to the left
// one (0 to 6 days: monday - saturday is 2 days).
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

template <int day>
DayOfWeek named()
{
    return DayOfWeek{day};
}

std::optional<DayOfWeek> current()
{
    std::optional<Date> today = currentDate();
    return today ? std::optional<DayOfWeek>(DayOfWeek{TimeCalendar::weekdayOf(*today)}) : std::nullopt;
}

String asString(DayOfWeek day) { return String::over(TimeText::dayName(day.day)); }
String threeLetters(DayOfWeek day) { return String::over(TimeText::dayAbbreviation(day.day)); }

bool equal(DayOfWeek left, DayOfWeek right) { return left == right; }

DayOfWeek moved(DayOfWeek day, std::int64_t days)
{
    return DayOfWeek{int(Calendar::floorModulo(day.day + Calendar::floorModulo(days, 7), 7))};
}
DayOfWeek plusInterval(DayOfWeek day, TimeInterval interval) { return moved(day, TimeCalendar::wholeDaysOf(interval)); }
DayOfWeek intervalPlus(TimeInterval interval, DayOfWeek day) { return plusInterval(day, interval); }
DayOfWeek minusInterval(DayOfWeek day, TimeInterval interval)
{
    // As for a date: the day of the moment the interval before its midnight.
    return moved(day, TimeCalendar::negatedWholeDaysOf(interval));
}
TimeInterval difference(DayOfWeek left, DayOfWeek right)
{
    return TimeInterval{Calendar::floorModulo(left.day - right.day, 7) * Calendar::kMicrosecondsPerDay};
}

} // namespace

GUARD_INSPECTORS(type<DayOfWeek>(), property<Shape::Global, named<0>>("sunday", "sundays"),
                 property<Shape::Global, named<1>>("monday", "mondays"),
                 property<Shape::Global, named<2>>("tuesday", "tuesdays"),
                 property<Shape::Global, named<3>>("wednesday", "wednesdays"),
                 property<Shape::Global, named<4>>("thursday", "thursdays"),
                 property<Shape::Global, named<5>>("friday", "fridays"),
                 property<Shape::Global, named<6>>("saturday", "saturdays"),
                 property<Shape::Global, current>("current day_of_week", "current days_of_week")
                     .dependingOn(dependsOnCurrentDateAndTimeZone),
                 cast<asString>("string"), cast<threeLetters>("three letters"), binary<kEqual, equal>(),
                 binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(), binary<kMinus, difference>(),
                 binary<kPlus, intervalPlus>())
GUARD_INSPECTOR_ARRAY(uniqueValueBundle<DayOfWeek>())

} // namespace guard
