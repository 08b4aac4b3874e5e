// Fuzz target: the zoned time-of-day grammar ("9:34 -0500"); a value read
// with a writable zone must be written into a text that reads back to the
// same time of day and zone.
#include "TimeTextFuzzing.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using TimeGrammar::Form;
    TimeGrammar::Reading reading;
    if (!fuzz::readTime(fuzz::textOf(data, size), Form::ZonedTimeOfDay, reading))
        return 0;
    fuzz::checkReading(reading, Form::ZonedTimeOfDay);
    if (!reading.zoneGiven || !fuzz::writableZone(reading.zone))
        return 0;
    char text[8 + 1 + TimeText::kMaxZoneText];
    char* end = TimeText::writeTimeOfDay(text, reading.timeOfDay);
    *end++ = ' ';
    end = TimeText::writeZone(end, reading.zone);
    std::string_view written(text, std::size_t(end - text));
    TimeGrammar::Reading back = fuzz::readBack(written, Form::ZonedTimeOfDay);
    fuzz::check(back.zoneGiven && back.zone == reading.zone && back.timeOfDay == reading.timeOfDay,
                "a written zoned time of day reads back as another", written);
    return 0;
}

} // namespace guard
