// Fuzz target: the full time grammar ("Sat, 21 Feb 2009 12:34:56 -0500").
// The fast path for the common form must read exactly what the grammar
// reads, wherever it answers. A time read with a writable zone must be
// written ("string", in UTC, and in its own zone) into texts that read back
// to the same instant.
#include "TimeTextFuzzing.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using TimeGrammar::Form;
    const std::string_view input = fuzz::textOf(data, size);
    std::optional<TimeGrammar::Reading> common = TimeGrammar::readCommonTime(input);
    TimeGrammar::Reading reading;
    if (!fuzz::readTime(input, Form::Time, reading)) {
        fuzz::check(!common, "the fast path reads a text that read() refuses", input);
        return 0;
    }
    if (common) {
        TimeGrammar::Reading grammar;
        try {
            grammar = TimeGrammar::readByGrammar(input, Form::Time);
        } catch (...) {
            fuzz::fail("the fast path reads a text that the grammar refuses", input);
        }
        fuzz::check(grammar.date == common->date && grammar.timeOfDay == common->timeOfDay &&
                        grammar.zoneGiven == common->zoneGiven && (!grammar.zoneGiven || grammar.zone == common->zone),
                    "the fast path reads another time than the grammar", input);
    }
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
