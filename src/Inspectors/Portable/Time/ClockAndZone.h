#pragma once
// The machine's clock and zone as the time inspectors use them, and the two
// global dependencies that rows reading them declare:
//   "CurrentDateDependency"  the current date and time ("now", "current ...")
//   "TimeZoneDependency"     the machine's current zone ("local ...")
//
// The zone is one offset: the one in effect now, used for every conversion
// of any time, as the language models a zone.
#include <optional>

#include "Inspectors/Portable/Time/TimeValues.h"
#include "registry/HashAccumulator.h"

namespace guard {

Time currentTime();
TimeZone localTimeZone();
TimeZone universalTimeZone();
// The date now in the local zone; no value outside the calendar.
std::optional<Date> currentDate();

// Dependency functions for rows (InspectorRow::dependingOn).
void dependsOnCurrentDate(HashAccumulator& accumulator);
void dependsOnTimeZone(HashAccumulator& accumulator);
void dependsOnCurrentDateAndTimeZone(HashAccumulator& accumulator);

} // namespace guard
