// "time interval": a signed count of microseconds; its units, its exact
// arithmetic (the count bundle), its sum and its text form.
#include <optional>

#include "Inspectors/Portable/CountBundle.h"
#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

template <std::int64_t count>
TimeInterval unit()
{
    return TimeInterval{count};
}

// The sum of the intervals; no value when it leaves 64 bits (and, like the
// sum of integers, 0 for no intervals).
class IntervalSum {
public:
    void add(const TimeInterval& element)
    {
        if (!overflow_) {
            std::optional<std::int64_t> sum = addIntegers(sum_, element.count);
            overflow_ = !sum;
            sum_ = sum.value_or(0);
        }
    }
    bool result(TimeInterval& out) const
    {
        out = TimeInterval{sum_};
        return !overflow_;
    }

private:
    std::int64_t sum_ = 0;
    bool overflow_ = false;
};

String asString(TimeInterval interval)
{
    char text[TimeText::kMaxIntervalText];
    return String::copy(text, TimeText::writeInterval(text, interval));
}

} // namespace

GUARD_INSPECTORS(type<TimeInterval>(), property<Shape::Global, unit<1>>("microsecond", "microseconds"),
                 property<Shape::Global, unit<1000>>("millisecond", "milliseconds"),
                 property<Shape::Global, unit<Calendar::kMicrosecondsPerSecond>>("second", "seconds"),
                 property<Shape::Global, unit<Calendar::kMicrosecondsPerMinute>>("minute", "minutes"),
                 property<Shape::Global, unit<Calendar::kMicrosecondsPerHour>>("hour", "hours"),
                 property<Shape::Global, unit<Calendar::kMicrosecondsPerDay>>("day", "days"),
                 property<Shape::Global, unit<7 * Calendar::kMicrosecondsPerDay>>("week", "weeks"),
                 property<Shape::Global, unit<kGreatestInteger>>("greatest time interval", "greatest time intervals"),
                 property<Shape::Global, unit<kLeastInteger>>("least time interval", "least time intervals"),
                 aggregate<IntervalSum>("sum", "sums"), cast<asString>("string"))
GUARD_INSPECTOR_ARRAY(countBundle<TimeInterval>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<TimeInterval>())

} // namespace guard
