// The one-pass writer of a time against the writers of its parts: the date
// at the time in the zone, its time of day and the zone, each found by the
// calendar's separate functions.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeText.h"

namespace guard {

namespace {

std::string written(Time time, TimeZone zone)
{
    char text[TimeText::kMaxTimeText];
    std::optional<char*> end = TimeText::writeTime(text, time, zone);
    return end ? std::string(text, *end) : "none";
}

std::string fromParts(Time time, TimeZone zone)
{
    std::optional<Date> date = TimeCalendar::dateAt(time, zone);
    if (!date)
        return "none";
    char text[TimeText::kMaxTimeText];
    char* out = TimeText::writeDate(text, *date);
    *out++ = ' ';
    out = TimeText::writeTimeOfDay(out, TimeCalendar::timeOfDayAt(time, zone));
    *out++ = ' ';
    out = TimeText::writeZone(out, zone);
    return std::string(text, out);
}

TEST(TimeText, TimeAgreesWithItsPartsEverywhere)
{
    using namespace Calendar;
    const std::int64_t firstTime = (kFirstDayNumber - kDayNumberOf1970) * kMicrosecondsPerDay;
    const std::int64_t lastTime = (kLastDayNumber + 1 - kDayNumberOf1970) * kMicrosecondsPerDay - 1;
    const std::int64_t zones[] = {0,
                                  -1,
                                  kMicrosecondsPerHour * 5 + kMicrosecondsPerMinute * 30,
                                  -kMicrosecondsPerHour * 12 - 1,
                                  kMicrosecondsPerDay * 3 + 7,
                                  -kMicrosecondsPerDay * 400};
    const std::int64_t anchors[] = {0, -1, firstTime, lastTime, 1235237696000000, -62135596800000000};
    for (std::int64_t zone : zones) {
        for (std::int64_t anchor : anchors)
            for (std::int64_t step = -3 * kMicrosecondsPerDay; step <= 3 * kMicrosecondsPerDay;
                 step += kMicrosecondsPerHour * 7 + 1) {
                Time time{anchor + step};
                EXPECT_EQ(written(time, TimeZone{zone}), fromParts(time, TimeZone{zone}))
                    << time.count << " in " << zone;
            }
        // a walk through the whole calendar, 37 days and some seconds at a time
        for (std::int64_t t = firstTime; t < lastTime; t += kMicrosecondsPerDay * 37 + 1234567)
            ASSERT_EQ(written(Time{t}, TimeZone{zone}), fromParts(Time{t}, TimeZone{zone})) << t << " in " << zone;
    }
}

TEST(TimeText, TimesAtTheEdges)
{
    EXPECT_EQ(written(Time{-1}, TimeZone{0}), "Wed, 31 Dec 1969 23:59:59 +0000");
    EXPECT_EQ(written(Time{1235237696000000}, TimeZone{-18000000000}), "Sat, 21 Feb 2009 12:34:56 -0500");
    // a sum that leaves 64 bits, and a date outside the calendar, have no text
    EXPECT_EQ(written(Time{INT64_MAX}, TimeZone{1}), "none");
    EXPECT_EQ(written(Time{INT64_MAX}, TimeZone{0}), "none");
    EXPECT_EQ(written(Time{-62167219200000000}, TimeZone{0}), "Sat, 01 Jan 0000 00:00:00 +0000");
    EXPECT_EQ(written(Time{-62167219200000001}, TimeZone{0}), "none");
}

} // namespace

} // namespace guard
