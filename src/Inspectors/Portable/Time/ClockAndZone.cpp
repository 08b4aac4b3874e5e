#include "Inspectors/Portable/Time/ClockAndZone.h"

#include <cstddef>

#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "platform/WallClock.h"
#include "registry/GlobalDependency.h"

namespace guard {

Time currentTime() { return Time{Platform::currentTimeMicroseconds()}; }

TimeZone localTimeZone()
{
    return TimeZone{Platform::zoneOffsetSecondsAt(Platform::currentTimeMicroseconds()) *
                    Calendar::kMicrosecondsPerSecond};
}

TimeZone universalTimeZone() { return TimeZone{0}; }

std::optional<Date> currentDate() { return TimeCalendar::dateAt(currentTime(), localTimeZone()); }

namespace {

void addCurrentTime(HashAccumulator& accumulator)
{
    const std::int64_t now = Platform::currentTimeMicroseconds();
    accumulator.addBytes(&now, sizeof now);
}

void addLocalZone(HashAccumulator& accumulator)
{
    const std::int64_t offset = localTimeZone().offset;
    accumulator.addBytes(&offset, sizeof offset);
}

alignas(GlobalDependencyRecord) unsigned char currentDateBlock[sizeof(GlobalDependencyRecord)];
alignas(GlobalDependencyRecord) unsigned char timeZoneBlock[sizeof(GlobalDependencyRecord)];

const GlobalDependencyRecord* const currentDateRecord =
    registerGlobalDependency(currentDateBlock, sizeof currentDateBlock, "CurrentDateDependency", addCurrentTime);
const GlobalDependencyRecord* const timeZone =
    registerGlobalDependency(timeZoneBlock, sizeof timeZoneBlock, "TimeZoneDependency", addLocalZone);

} // namespace

void dependsOnCurrentDate(HashAccumulator& accumulator) { addDependency(accumulator, *currentDateRecord); }
void dependsOnTimeZone(HashAccumulator& accumulator) { addDependency(accumulator, *timeZone); }
void dependsOnCurrentDateAndTimeZone(HashAccumulator& accumulator)
{
    addDependency(accumulator, *currentDateRecord);
    addDependency(accumulator, *timeZone);
}

} // namespace guard
