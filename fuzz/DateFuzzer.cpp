// Fuzz target: the date grammar ("Sat, 21 Feb 2009"); a date read must be
// written into a text that reads back to the same date.
#include "TimeTextFuzzing.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using TimeGrammar::Form;
    TimeGrammar::Reading reading;
    if (!fuzz::readTime(fuzz::textOf(data, size), Form::Date, reading))
        return 0;
    fuzz::checkReading(reading, Form::Date);
    char text[16];
    std::string_view written(text, std::size_t(TimeText::writeDate(text, reading.date) - text));
    fuzz::check(fuzz::readBack(written, Form::Date).date == reading.date, "a written date reads back as another",
                written);
    return 0;
}

} // namespace guard
