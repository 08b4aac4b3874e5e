// "time of day with time zone": a clock time and the zone it is read in.
// Its text form is the time of day, a blank and the zone ("12:34:56 -0500"),
// which the zoned time-of-day reader takes back. Two values are equal when
// they fall at the same moment of the UTC day. "& zone" shows the same moment
// on the clocks of the other zone ("12:00:00 +0000" & zone "+0100" is
// "13:00:00 +0100"); the difference of two values is the signed difference
// of their UTC moments within the day.
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

TimeOfDay timeOf(const ZonedTimeOfDay& value) { return value.time; }
TimeZone zoneOf(const ZonedTimeOfDay& value) { return value.zone; }
std::int64_t hourOfDay(const ZonedTimeOfDay& value) { return value.time.hour; }
std::int64_t minuteOfHour(const ZonedTimeOfDay& value) { return value.time.minute; }
std::int64_t secondOfMinute(const ZonedTimeOfDay& value) { return value.time.second; }

String twoDigits(int value)
{
    char text[2];
    return String::copy(text, TimeText::writeTwoDigits(text, value));
}
String twoDigitHour(const ZonedTimeOfDay& value) { return twoDigits(value.time.hour); }
String twoDigitMinute(const ZonedTimeOfDay& value) { return twoDigits(value.time.minute); }
String twoDigitSecond(const ZonedTimeOfDay& value) { return twoDigits(value.time.second); }

ZonedTimeOfDay currentInZone(TimeZone zone)
{
    return ZonedTimeOfDay{TimeCalendar::timeOfDayAt(currentTime(), zone), zone};
}
ZonedTimeOfDay current() { return currentInZone(localTimeZone()); }

String asString(const ZonedTimeOfDay& value)
{
    char text[8 + 1 + TimeText::kMaxZoneText];
    char* end = TimeText::writeTimeOfDay(text, value.time);
    *end++ = ' ';
    return String::copy(text, TimeText::writeZone(end, value.zone));
}

std::optional<Time> onDate(const ZonedTimeOfDay& value, Date date)
{
    return TimeCalendar::timeOf(date, value.time, value.zone);
}

bool equal(const ZonedTimeOfDay& left, const ZonedTimeOfDay& right) { return left == right; }

ZonedTimeOfDay inZone(const ZonedTimeOfDay& value, TimeZone zone)
{
    const std::int64_t zoneSeconds = Calendar::floorModulo(
        Calendar::floorDivide(zone.offset, Calendar::kMicrosecondsPerSecond), Calendar::kSecondsPerDay);
    return ZonedTimeOfDay{TimeCalendar::timeOfDayFromSeconds(universalSecondOfDay(value) + zoneSeconds), zone};
}
ZonedTimeOfDay zoneAnd(TimeZone zone, const ZonedTimeOfDay& value) { return inZone(value, zone); }
ZonedTimeOfDay zoneAndTime(TimeZone zone, TimeOfDay time) { return ZonedTimeOfDay{time, zone}; }

ZonedTimeOfDay plusInterval(const ZonedTimeOfDay& value, TimeInterval interval)
{
    const std::int64_t seconds =
        Calendar::floorModulo(TimeCalendar::wholeSecondsOf(interval), Calendar::kSecondsPerDay);
    return ZonedTimeOfDay{TimeCalendar::timeOfDayFromSeconds(value.time.seconds() + seconds), value.zone};
}
ZonedTimeOfDay intervalPlus(TimeInterval interval, const ZonedTimeOfDay& value)
{
    return plusInterval(value, interval);
}
ZonedTimeOfDay minusInterval(const ZonedTimeOfDay& value, TimeInterval interval)
{
    const std::int64_t seconds =
        Calendar::floorModulo(TimeCalendar::negatedWholeSecondsOf(interval), Calendar::kSecondsPerDay);
    return ZonedTimeOfDay{TimeCalendar::timeOfDayFromSeconds(value.time.seconds() + seconds), value.zone};
}
TimeInterval difference(const ZonedTimeOfDay& left, const ZonedTimeOfDay& right)
{
    return TimeInterval{(universalSecondOfDay(left) - universalSecondOfDay(right)) * Calendar::kMicrosecondsPerSecond};
}

} // namespace

GUARD_INSPECTORS(type<ZonedTimeOfDay>(), property<Shape::Of, timeOf>("time", "times"),
                 property<Shape::Of, zoneOf>("zone", "zones"),
                 property<Shape::Of, hourOfDay>("hour_of_day", "hours_of_day"),
                 property<Shape::Of, minuteOfHour>("minute_of_hour", "minutes_of_hour"),
                 property<Shape::Of, secondOfMinute>("second_of_minute", "seconds_of_minute"),
                 property<Shape::Of, twoDigitHour>("two digit hour", "two digit hours"),
                 property<Shape::Of, twoDigitMinute>("two digit minute", "two digit minutes"),
                 property<Shape::Of, twoDigitSecond>("two digit second", "two digit seconds"),
                 property<Shape::Keyed, currentInZone>("current time_of_day", "current times_of_day")
                     .dependingOn(dependsOnCurrentDate),
                 property<Shape::Global, current>("current time_of_day", "current times_of_day")
                     .dependingOn(dependsOnCurrentDateAndTimeZone),
                 cast<asString>("string"), binary<kConcatenate, onDate>(), binary<kEqual, equal>(),
                 binary<kConcatenate, inZone>(), binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(),
                 binary<kMinus, difference>(), binary<kConcatenate, zoneAnd>(), binary<kConcatenate, zoneAndTime>(),
                 binary<kPlus, intervalPlus>())
GUARD_INSPECTOR_ARRAY(uniqueValueBundle<ZonedTimeOfDay>())

} // namespace guard
