// "time range": the closed span of times from a start to an end (start <=
// end). The choices made where ranges could be read more than one way:
//   time & time, time & interval   the span between the two ends, whichever
//                                  comes first (a negative interval reaches back)
//   range & time, range & range    the least range that holds both
//   range + range                  the union; no value when the ranges
//                                  neither overlap nor touch
//   range * range                  the intersection; no value when empty
//   contains                       closed at both ends
//   range before T, range after T  the part before (after) T; no value when
//                                  T lies before the start (after the end)
//   initial part I, final part I   the first (last) I of the range, all of
//                                  it when I is longer; no value when I < 0
//   string                         start and end in the machine's zone,
//                                  joined by " to "
#include <algorithm>
#include <optional>

#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/ClockAndZone.h"
#include "Inspectors/Portable/Time/TimeText.h"
#include "Inspectors/Portable/Time/TimeValues.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/CoreValues.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

TimeRange span(Time a, Time b) { return a.count <= b.count ? TimeRange{a, b} : TimeRange{b, a}; }
TimeRange hull(const TimeRange& a, const TimeRange& b)
{
    return TimeRange{std::min(a.start, b.start), std::max(a.end, b.end)};
}

Time startOf(const TimeRange& range) { return range.start; }
Time endOf(const TimeRange& range) { return range.end; }
std::optional<TimeInterval> lengthOf(const TimeRange& range)
{
    std::optional<std::int64_t> length = subtractIntegers(range.end.count, range.start.count);
    return length ? std::optional<TimeInterval>(TimeInterval{*length}) : std::nullopt;
}

std::optional<TimeRange> rangeBefore(Time time, const TimeRange& range)
{
    if (time < range.start)
        return std::nullopt;
    return TimeRange{range.start, std::min(range.end, time)};
}
std::optional<TimeRange> rangeAfter(Time time, const TimeRange& range)
{
    if (range.end < time)
        return std::nullopt;
    return TimeRange{std::max(range.start, time), range.end};
}
std::optional<TimeRange> initialPart(TimeInterval length, const TimeRange& range)
{
    if (length.count < 0)
        return std::nullopt;
    std::optional<std::int64_t> end = addIntegers(range.start.count, length.count);
    if (!end || *end > range.end.count)
        return range;
    return TimeRange{range.start, Time{*end}};
}
std::optional<TimeRange> finalPart(TimeInterval length, const TimeRange& range)
{
    if (length.count < 0)
        return std::nullopt;
    std::optional<std::int64_t> start = subtractIntegers(range.end.count, length.count);
    if (!start || *start < range.start.count)
        return range;
    return TimeRange{Time{*start}, range.end};
}

std::optional<String> asString(const TimeRange& range)
{
    static constexpr char kTo[] = " to ";
    char text[2 * TimeText::kMaxTimeText + sizeof kTo];
    const TimeZone zone = localTimeZone();
    std::optional<char*> end = TimeText::writeTime(text, range.start, zone);
    if (!end)
        return std::nullopt;
    for (char c : std::string_view(kTo))
        *(*end)++ = c;
    end = TimeText::writeTime(*end, range.end, zone);
    if (!end)
        return std::nullopt;
    return String::copy(text, *end);
}

bool equal(const TimeRange& left, const TimeRange& right) { return left == right; }

TimeRange timeAndTime(Time a, Time b) { return span(a, b); }
std::optional<TimeRange> timeAndInterval(Time time, TimeInterval interval)
{
    std::optional<std::int64_t> other = addIntegers(time.count, interval.count);
    return other ? std::optional<TimeRange>(span(time, Time{*other})) : std::nullopt;
}
std::optional<TimeRange> intervalAndTime(TimeInterval interval, Time time) { return timeAndInterval(time, interval); }
TimeRange timeAndRange(Time time, const TimeRange& range) { return hull(range, TimeRange{time, time}); }
TimeRange rangeAndTime(const TimeRange& range, Time time) { return hull(range, TimeRange{time, time}); }
TimeRange rangeAndRange(const TimeRange& a, const TimeRange& b) { return hull(a, b); }

std::optional<TimeRange> unionOf(const TimeRange& a, const TimeRange& b)
{
    if (b.end < a.start || a.end < b.start)
        return std::nullopt;
    return hull(a, b);
}
std::optional<TimeRange> intersection(const TimeRange& a, const TimeRange& b)
{
    TimeRange common{std::max(a.start, b.start), std::min(a.end, b.end)};
    if (common.end < common.start)
        return std::nullopt;
    return common;
}
bool containsTime(const TimeRange& range, Time time) { return !(time < range.start) && !(range.end < time); }
bool containsRange(const TimeRange& range, const TimeRange& inner)
{
    return !(inner.start < range.start) && !(range.end < inner.end);
}

} // namespace

GUARD_INSPECTORS(type<TimeRange>(), property<Shape::Of, startOf>("start", "starts"),
                 property<Shape::Of, endOf>("end", "ends"), property<Shape::Of, lengthOf>("length", "lengths"),
                 property<Shape::KeyedOf, rangeBefore>("range before", "ranges before"),
                 property<Shape::KeyedOf, rangeAfter>("range after", "ranges after"),
                 property<Shape::KeyedOf, initialPart>("initial part", "initial parts"),
                 property<Shape::KeyedOf, finalPart>("final part", "final parts"),
                 cast<asString>("string").dependingOn(dependsOnTimeZone), binary<kEqual, equal>(),
                 binary<kConcatenate, rangeAndTime>(), binary<kConcatenate, rangeAndRange>(), binary<kPlus, unionOf>(),
                 binary<kTimes, intersection>(), binary<kContains, containsTime>(), binary<kContains, containsRange>(),
                 binary<kConcatenate, timeAndTime>(), binary<kConcatenate, timeAndInterval>(),
                 binary<kConcatenate, timeAndRange>(), binary<kConcatenate, intervalAndTime>())
GUARD_INSPECTOR_ARRAY(uniqueValueBundle<TimeRange>())

} // namespace guard
