// Fuzz target: the full time grammar ("Sat, 21 Feb 2009 12:34:56 -0500").
// A time read with a writable zone must be written ("string", in UTC, and
// in its own zone) into texts that read back to the same instant.
#include "TimeTextFuzzing.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using TimeGrammar::Form;
    TimeGrammar::Reading reading;
    if (!fuzz::readTime(fuzz::textOf(data, size), Form::Time, reading))
        return 0;
    fuzz::checkReading(reading, Form::Time);
    const TimeZone zone = reading.zoneGiven ? reading.zone : TimeZone{0};
    std::optional<Time> time = TimeCalendar::timeOf(reading.date, reading.timeOfDay, zone);
    fuzz::check(time.has_value(), "a time in the calendar has no value");
    if (!fuzz::writableZone(zone))
        return 0;
    for (TimeZone shown : {TimeZone{0}, zone}) {
        char text[TimeText::kMaxTimeText];
        std::optional<char*> end = TimeText::writeTime(text, *time, shown);
        if (!end)
            continue; // shown in a zone that moves it out of the calendar
        std::string_view written(text, std::size_t(*end - text));
        TimeGrammar::Reading back = fuzz::readBack(written, Form::Time);
        fuzz::check(back.zoneGiven, "a written time has no zone", written);
        std::optional<Time> again = TimeCalendar::timeOf(back.date, back.timeOfDay, back.zone);
        fuzz::check(again && *again == *time, "a written time reads back as another", written);
    }
    return 0;
}

} // namespace guard
