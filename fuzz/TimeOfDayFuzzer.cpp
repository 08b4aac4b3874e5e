// Fuzz target: the time-of-day grammar ("9:34", "09:34:05"); a time of day
// read must be written into a text that reads back to the same time.
#include "TimeTextFuzzing.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using TimeGrammar::Form;
    TimeGrammar::Reading reading;
    if (!fuzz::readTime(fuzz::textOf(data, size), Form::TimeOfDay, reading))
        return 0;
    fuzz::checkReading(reading, Form::TimeOfDay);
    char text[8];
    std::string_view written(text, std::size_t(TimeText::writeTimeOfDay(text, reading.timeOfDay) - text));
    fuzz::check(fuzz::readBack(written, Form::TimeOfDay).timeOfDay == reading.timeOfDay,
                "a written time of day reads back as another", written);
    return 0;
}

} // namespace guard
