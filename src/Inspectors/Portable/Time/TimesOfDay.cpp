// "time of day": hours, minutes and seconds of a day; its parts, its text
// form and its arithmetic, which wraps around midnight (midnight - second is
// 23:59:59). An interval moves a time of day by its whole seconds, rounded
// towards minus infinity; the difference of two times of day is signed
// (08:00:00 - 09:00:00 is -01:00:00).
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

TimeOfDay midnight() { return TimeOfDay{0, 0, 0}; }
TimeOfDay noon() { return TimeOfDay{12, 0, 0}; }

std::int64_t hourOfDay(TimeOfDay time) { return time.hour; }
std::int64_t minuteOfHour(TimeOfDay time) { return time.minute; }
std::int64_t secondOfMinute(TimeOfDay time) { return time.second; }

String twoDigits(int value)
{
    char text[2];
    return String::copy(text, TimeText::writeTwoDigits(text, value));
}
String twoDigitHour(TimeOfDay time) { return twoDigits(time.hour); }
String twoDigitMinute(TimeOfDay time) { return twoDigits(time.minute); }
String twoDigitSecond(TimeOfDay time) { return twoDigits(time.second); }

String asString(TimeOfDay time)
{
    char text[8];
    return String::copy(text, TimeText::writeTimeOfDay(text, time));
}

// Only the position within the day matters, so the interval is first wrapped
// into one day (no overflow whatever its size).
TimeOfDay plusInterval(TimeOfDay time, TimeInterval interval)
{
    const std::int64_t seconds =
        Calendar::floorModulo(TimeCalendar::wholeSecondsOf(interval), Calendar::kSecondsPerDay);
    return TimeCalendar::timeOfDayFromSeconds(time.seconds() + seconds);
}
TimeOfDay intervalPlus(TimeInterval interval, TimeOfDay time) { return plusInterval(time, interval); }
TimeOfDay minusInterval(TimeOfDay time, TimeInterval interval)
{
    const std::int64_t seconds =
        Calendar::floorModulo(TimeCalendar::negatedWholeSecondsOf(interval), Calendar::kSecondsPerDay);
    return TimeCalendar::timeOfDayFromSeconds(time.seconds() + seconds);
}
TimeInterval difference(TimeOfDay left, TimeOfDay right)
{
    return TimeInterval{(left.seconds() - right.seconds()) * Calendar::kMicrosecondsPerSecond};
}
ZonedTimeOfDay withZone(TimeOfDay time, TimeZone zone) { return ZonedTimeOfDay{time, zone}; }

} // namespace

GUARD_INSPECTORS(type<TimeOfDay>(), property<Shape::Global, midnight>("midnight", "midnights"),
                 property<Shape::Global, noon>("noon", "noons"),
                 property<Shape::Of, hourOfDay>("hour_of_day", "hours_of_day"),
                 property<Shape::Of, minuteOfHour>("minute_of_hour", "minutes_of_hour"),
                 property<Shape::Of, secondOfMinute>("second_of_minute", "seconds_of_minute"),
                 property<Shape::Of, twoDigitHour>("two digit hour", "two digit hours"),
                 property<Shape::Of, twoDigitMinute>("two digit minute", "two digit minutes"),
                 property<Shape::Of, twoDigitSecond>("two digit second", "two digit seconds"), cast<asString>("string"),
                 binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(), binary<kMinus, difference>(),
                 binary<kConcatenate, withZone>(), binary<kPlus, intervalPlus>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<TimeOfDay>())

} // namespace guard
