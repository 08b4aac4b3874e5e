// The time and calendar values read from strings: the casts from "string"
// and the global properties with a string key. Times, dates, times of day
// and intervals go through their grammars, whose failures (ParsingFailure,
// NoSuchDate, NoSuchTimeOfDay, WrongDayOfWeek, StackFull) reach the answer;
// a full time or zoned time of day without a zone is NoTimeZone where one is
// required. "windows display time" reads a zone-less text in the machine's
// zone, as "local time" does.
//
// The small readers chosen here answer no value for a text they do not take:
//   day_of_week  a day's English name or its first three letters, any case
//   month        a month's English name or its first three letters, any case
//   day_of_month decimal digits of 1 to 31
//   year         decimal digits of 0 to 9999
#include <optional>
#include <string_view>

#include "Inspectors/Portable/AsciiLetters.h"
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/IntervalGrammar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeErrors.h"
#include "Inspectors/Portable/Time/TimeGrammar.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"
#include "syntax/ParsingFailure.h"

namespace guard {

namespace {

using TimeGrammar::Form;

Time timeIn(const TimeGrammar::Reading& reading, TimeZone zone)
{
    std::optional<Time> time = TimeCalendar::timeOf(reading.date, reading.timeOfDay, zone);
    if (!time)
        throw NoSuchObject(); // unreachable for the calendar's dates and the grammar's zones
    return *time;
}

Time zonedTime(const String& text)
{
    TimeGrammar::Reading reading = TimeGrammar::read(text.view(), Form::Time);
    if (!reading.zoneGiven)
        throw NoTimeZone();
    return timeIn(reading, reading.zone);
}
Time localTime(const String& text)
{
    TimeGrammar::Reading reading = TimeGrammar::read(text.view(), Form::Time);
    return timeIn(reading, reading.zoneGiven ? reading.zone : localTimeZone());
}
Time universalTime(const String& text)
{
    TimeGrammar::Reading reading = TimeGrammar::read(text.view(), Form::Time);
    return timeIn(reading, reading.zoneGiven ? reading.zone : universalTimeZone());
}

Date date(const String& text) { return TimeGrammar::read(text.view(), Form::Date).date; }
TimeOfDay timeOfDay(const String& text) { return TimeGrammar::read(text.view(), Form::TimeOfDay).timeOfDay; }

ZonedTimeOfDay zonedTimeOfDay(const String& text)
{
    TimeGrammar::Reading reading = TimeGrammar::read(text.view(), Form::ZonedTimeOfDay);
    if (!reading.zoneGiven)
        throw NoTimeZone();
    return ZonedTimeOfDay{reading.timeOfDay, reading.zone};
}
ZonedTimeOfDay universalZonedTimeOfDay(const String& text)
{
    TimeGrammar::Reading reading = TimeGrammar::read(text.view(), Form::ZonedTimeOfDay);
    return ZonedTimeOfDay{reading.timeOfDay, reading.zoneGiven ? reading.zone : universalTimeZone()};
}
ZonedTimeOfDay localZonedTimeOfDay(const String& text)
{
    TimeGrammar::Reading reading = TimeGrammar::read(text.view(), Form::ZonedTimeOfDay);
    return ZonedTimeOfDay{reading.timeOfDay, reading.zoneGiven ? reading.zone : localTimeZone()};
}

// The zone of a full time on a fixed date; any failure is no value.
std::optional<TimeZone> timeZone(const String& text)
{
    static constexpr std::string_view kPrefix = "09 Mar 1999 00:00 ";
    char joined[32];
    std::size_t length = kPrefix.copy(joined, kPrefix.size());
    length += text.view().copy(joined + length, sizeof joined - length);
    try {
        TimeGrammar::Reading reading = TimeGrammar::read(std::string_view(joined, length), Form::Time);
        if (!reading.zoneGiven)
            return std::nullopt;
        return reading.zone;
    } catch (const ParsingFailure&) {
    } catch (const NoSuchDate&) {
    } catch (const NoSuchTimeOfDay&) {
    } catch (const WrongDayOfWeek&) {
    } catch (const StackFull&) {
    }
    return std::nullopt;
}

TimeInterval interval(const String& text) { return IntervalGrammar::read(text.view()); }

// Whether `text` is `name` or its first three letters, letter case ignored.
bool namesIt(std::string_view text, std::string_view name)
{
    if (text.size() != 3 && text.size() != name.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (asciiLower(text[i]) != asciiLower(name[i]))
            return false;
    return true;
}

std::optional<DayOfWeek> dayOfWeek(const String& text)
{
    for (int day = 0; day < 7; ++day)
        if (namesIt(text.view(), TimeText::dayName(day)))
            return DayOfWeek{day};
    return std::nullopt;
}
std::optional<Month> month(const String& text)
{
    for (int month = 1; month <= 12; ++month)
        if (namesIt(text.view(), TimeText::monthName(month)))
            return Month{month};
    return std::nullopt;
}

// Decimal digits only; no value for anything else or above `most`.
std::optional<std::int64_t> decimal(std::string_view text, std::int64_t most)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > most)
            return std::nullopt;
    }
    return value;
}
std::optional<DayOfMonth> dayOfMonth(const String& text)
{
    std::optional<std::int64_t> day = decimal(text.view(), 31);
    return day ? TimeCalendar::makeDayOfMonth(*day) : std::nullopt;
}
std::optional<Year> year(const String& text)
{
    std::optional<std::int64_t> value = decimal(text.view(), Calendar::kLastYear);
    return value ? TimeCalendar::makeYear(*value) : std::nullopt;
}

} // namespace

GUARD_INSPECTORS(
    property<Shape::Keyed, zonedTime>("time", "times"),
    property<Shape::Keyed, localTime>("local time", "local times").dependingOn(dependsOnTimeZone),
    property<Shape::Keyed, universalTime>("universal time", "universal times"),
    property<Shape::Keyed, localTime>("windows display time", "windows display times").dependingOn(dependsOnTimeZone),
    property<Shape::Keyed, date>("date", "dates"), property<Shape::Keyed, interval>("time interval", "time intervals"),
    property<Shape::Keyed, timeOfDay>("time_of_day", "times_of_day"),
    property<Shape::Keyed, zonedTimeOfDay>("zoned time_of_day", "zoned times_of_day"),
    property<Shape::Keyed, timeZone>("time zone", "time zones"),
    property<Shape::Keyed, dayOfWeek>("day_of_week", "days_of_week"),
    property<Shape::Keyed, dayOfMonth>("day_of_month", "days_of_month"),
    property<Shape::Keyed, month>("month", "months"), property<Shape::Keyed, year>("year", "years"),
    cast<dayOfMonth>("day_of_month"), cast<dayOfWeek>("day_of_week"), cast<date>("date"), cast<month>("month"),
    cast<year>("year"), cast<zonedTime>("time"), cast<localTime>("local time").dependingOn(dependsOnTimeZone),
    cast<universalTime>("universal time"), cast<interval>("time interval"), cast<timeOfDay>("time_of_day"),
    cast<timeZone>("time zone"), cast<localTime>("windows display time").dependingOn(dependsOnTimeZone),
    cast<zonedTimeOfDay>("zoned time_of_day"), cast<universalZonedTimeOfDay>("universal zoned time_of_day"),
    cast<localZonedTimeOfDay>("local zoned time_of_day").dependingOn(dependsOnTimeZone))

} // namespace guard
