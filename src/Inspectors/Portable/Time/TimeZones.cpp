// "time zone": an offset from UTC, east positive; the machine's zone, UTC,
// the text form ("+0000", "-0500", "-0030"; seconds of an offset are not
// written) and the arithmetic with intervals.
#include <optional>

#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

TimeZone universal() { return universalTimeZone(); }
TimeZone local() { return localTimeZone(); }

String asString(TimeZone zone)
{
    char text[TimeText::kMaxZoneText];
    return String::copy(text, TimeText::writeZone(text, zone));
}

std::optional<TimeZone> zoneOf(std::optional<std::int64_t> offset)
{
    return offset ? std::optional<TimeZone>(TimeZone{*offset}) : std::nullopt;
}
std::optional<TimeZone> plusInterval(TimeZone zone, TimeInterval interval)
{
    return zoneOf(addIntegers(zone.offset, interval.count));
}
std::optional<TimeZone> intervalPlus(TimeInterval interval, TimeZone zone) { return plusInterval(zone, interval); }
std::optional<TimeZone> minusInterval(TimeZone zone, TimeInterval interval)
{
    return zoneOf(subtractIntegers(zone.offset, interval.count));
}
std::optional<TimeInterval> difference(TimeZone left, TimeZone right)
{
    std::optional<std::int64_t> count = subtractIntegers(left.offset, right.offset);
    return count ? std::optional<TimeInterval>(TimeInterval{*count}) : std::nullopt;
}
bool equal(TimeZone left, TimeZone right) { return left == right; }

} // namespace

GUARD_INSPECTORS(type<TimeZone>(), property<Shape::Global, universal>("universal time zone", "universal time zones"),
                 property<Shape::Global, local>("local time zone", "local time zones").dependingOn(dependsOnTimeZone),
                 cast<asString>("string"), binary<kPlus, plusInterval>(), binary<kMinus, minusInterval>(),
                 binary<kMinus, difference>(), binary<kEqual, equal>(), binary<kPlus, intervalPlus>())
GUARD_INSPECTOR_ARRAY(uniqueValueBundle<TimeZone>())

} // namespace guard
