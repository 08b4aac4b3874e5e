// "time": an instant, in microseconds since 1970-01-01 00:00:00 UTC; its
// calendar date and clock time in a zone, "now", its text forms and its
// arithmetic with intervals.
#include <optional>

#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

std::optional<Date> dateInZone(TimeZone zone, Time time) { return TimeCalendar::dateAt(time, zone); }

ZonedTimeOfDay timeInZone(TimeZone zone, Time time)
{
    return ZonedTimeOfDay{TimeCalendar::timeOfDayAt(time, zone), zone};
}

Time now() { return currentTime(); }

std::optional<String> inZone(Time time, TimeZone zone)
{
    char text[TimeText::kMaxTimeText];
    std::optional<char*> end = TimeText::writeTime(text, time, zone);
    if (!end)
        return std::nullopt;
    return String::copy(text, *end);
}

// The plain text form is written for UTC, the same as "universal string":
// it depends on nothing but the time.
std::optional<String> asString(Time time) { return inZone(time, universalTimeZone()); }
std::optional<String> asLocalString(Time time) { return inZone(time, localTimeZone()); }

std::optional<Time> plusInterval(Time time, TimeInterval interval)
{
    std::optional<std::int64_t> count = addIntegers(time.count, interval.count);
    return count ? std::optional<Time>(Time{*count}) : std::nullopt;
}
std::optional<Time> intervalPlus(TimeInterval interval, Time time) { return plusInterval(time, interval); }
std::optional<Time> minusInterval(Time time, TimeInterval interval)
{
    std::optional<std::int64_t> count = subtractIntegers(time.count, interval.count);
    return count ? std::optional<Time>(Time{*count}) : std::nullopt;
}
std::optional<TimeInterval> difference(Time left, Time right)
{
    std::optional<std::int64_t> count = subtractIntegers(left.count, right.count);
    return count ? std::optional<TimeInterval>(TimeInterval{*count}) : std::nullopt;
}

} // namespace

GUARD_INSPECTORS(type<Time>(), property<Shape::KeyedOf, dateInZone>("date", "dates"),
                 property<Shape::Global, now>("now", "nows").dependingOn(dependsOnCurrentDate),
                 property<Shape::KeyedOf, timeInZone>("time", "times"), cast<asString>("string"),
                 cast<asLocalString>("local string").dependingOn(dependsOnTimeZone), cast<asString>("universal string"),
                 binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(), binary<kMinus, difference>(),
                 binary<kPlus, intervalPlus>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<Time>())

} // namespace guard
