// Fuzz target: the interval grammar ("-1 day, 01:02:03.5"); an interval read
// must be written into a text that reads back to exactly the same interval.
#include "TimeTextFuzzing.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TimeInterval interval{0};
    try {
        interval = IntervalGrammar::read(fuzz::textOf(data, size));
    } catch (const ParsingFailure&) {
        return 0;
    } catch (const StackFull&) {
        return 0;
    }
    char text[TimeText::kMaxIntervalText];
    std::string_view written(text, std::size_t(TimeText::writeInterval(text, interval) - text));
    TimeInterval back{0};
    try {
        back = IntervalGrammar::read(written);
    } catch (const ParsingFailure&) {
        fuzz::fail("a written interval does not read back", written);
    }
    fuzz::check(back == interval, "a written interval reads back as another", written);
    return 0;
}

} // namespace guard
