// "+" between a format and a time value: the value's "string" text is the
// next argument. A time is written for UTC, as its "string" cast writes it
// (not in the local zone): the argument depends on nothing but the time.
#include <cstdint>
#include <optional>
#include <string_view>

#include "Inspectors/Portable/Format/Format.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

Format plusInterval(const Format& format, TimeInterval interval)
{
    char text[TimeText::kMaxIntervalText];
    return formatWithArgument(format, String::copy(text, TimeText::writeInterval(text, interval)));
}

// A time whose UTC date is outside the calendar has no text, so no argument:
// the sum has no value either.
std::optional<Format> plusTime(const Format& format, Time time)
{
    char text[TimeText::kMaxTimeText];
    std::optional<char*> end = TimeText::writeTime(text, time, universalTimeZone());
    if (!end)
        return std::nullopt;
    return formatWithArgument(format, String::copy(text, *end));
}

Format plusTimeOfDay(const Format& format, TimeOfDay time)
{
    char text[8];
    return formatWithArgument(format, String::copy(text, TimeText::writeTimeOfDay(text, time)));
}

// Day names are constant text: the argument is a view of it.
Format plusDayOfWeek(const Format& format, DayOfWeek day)
{
    return formatWithArgument(format, String::over(TimeText::dayName(day.day)));
}

Format plusDate(const Format& format, Date date)
{
    char text[16];
    return formatWithArgument(format, String::copy(text, TimeText::writeDate(text, date)));
}

} // namespace

GUARD_INSPECTORS(binary<kPlus, plusInterval>(), binary<kPlus, plusTime>(), binary<kPlus, plusTimeOfDay>(),
                 binary<kPlus, plusDayOfWeek>(), binary<kPlus, plusDate>())

} // namespace guard
