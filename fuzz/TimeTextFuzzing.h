#pragma once
// Shared by the fuzz targets of the time and interval grammars: a text is
// read by one grammar; it must either fail with one of the grammar's own
// exceptions or give a valid value whose text form reads back to the same
// value.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/IntervalGrammar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeErrors.h"
#include "Inspectors/Portable/Time/TimeGrammar.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "syntax/ParsingFailure.h"

namespace guard {

namespace fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size)
{
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

inline bool validTimeOfDay(TimeOfDay time) { return time.hour < 24 && time.minute < 60 && time.second < 60; }

// A zone the text forms write in four digits (the grammar reads "+hhmm" with
// minutes up to 99, so a zone can reach 100 hours).
inline bool writableZone(TimeZone zone)
{
    const std::int64_t magnitude = zone.offset < 0 ? -zone.offset : zone.offset;
    return magnitude < 100 * Calendar::kMicrosecondsPerHour;
}

// Reads `text` with `form`; false when the grammar refused it with one of its
// own failures; any other exception escapes (and is a finding).
inline bool readTime(std::string_view text, TimeGrammar::Form form, TimeGrammar::Reading& reading)
{
    try {
        reading = TimeGrammar::read(text, form);
        return true;
    } catch (const ParsingFailure&) {
    } catch (const StackFull&) {
    } catch (const NoSuchDate&) {
    } catch (const NoSuchTimeOfDay&) {
    } catch (const WrongDayOfWeek&) {
    }
    return false;
}

inline void checkReading(const TimeGrammar::Reading& reading, TimeGrammar::Form form)
{
    using TimeGrammar::Form;
    if (form == Form::Time || form == Form::Date)
        check(Calendar::isValidDate(reading.date.year, reading.date.month, reading.date.day), "invalid date read");
    if (form != Form::Date)
        check(validTimeOfDay(reading.timeOfDay), "invalid time of day read");
    if (form == Form::Date || form == Form::TimeOfDay)
        check(!reading.zoneGiven, "a zone where the grammar has none");
}

inline TimeGrammar::Reading readBack(std::string_view text, TimeGrammar::Form form)
{
    TimeGrammar::Reading reading;
    check(readTime(text, form, reading), "a written value does not read back", text);
    return reading;
}

} // namespace fuzz

} // namespace guard
