#include "platform/TimeText.h"

#include <gtest/gtest.h>

namespace guard {

namespace {

constexpr std::int64_t kSecond = 1000000;
// Sat, 21 Feb 2009 17:34:56 UTC.
constexpr std::int64_t kSample = 1235237696 * kSecond;

} // namespace

TEST(TimeText, WritesWeekdayDayMonthYearTimeAndZone)
{
    EXPECT_EQ(formatTimeText(kSample, -5 * 3600), "Sat, 21 Feb 2009 12:34:56 -0500");
    EXPECT_EQ(formatTimeText(kSample, 0), "Sat, 21 Feb 2009 17:34:56 +0000");
    // The offset's seconds are dropped; fractions of a second too.
    EXPECT_EQ(formatTimeText(kSample + 999999, 5 * 3600 + 30 * 60 + 17), "Sat, 21 Feb 2009 23:05:13 +0530");
    EXPECT_EQ(formatTimeText(0, 0), "Thu, 01 Jan 1970 00:00:00 +0000");
    // Before 1970 the second is rounded down, not towards zero.
    EXPECT_EQ(formatTimeText(-1, 0), "Wed, 31 Dec 1969 23:59:59 +0000");
    EXPECT_EQ(formatTimeText(951782400 * kSecond, 0), "Tue, 29 Feb 2000 00:00:00 +0000");
}

TEST(TimeText, ReadsWhatItWritesInEveryZone)
{
    for (int offset : {0, -5 * 3600, 5 * 3600 + 30 * 60, 14 * 3600, -12 * 3600})
        for (std::int64_t time : {kSample, std::int64_t(0), -86400 * kSecond * 365 * 100, 4102444800 * kSecond}) {
            std::string text = formatTimeText(time, offset);
            EXPECT_EQ(parseTimeText(text), time) << text;
        }
}

TEST(TimeText, ReadsTheLooserFormsOfTheSameTime)
{
    EXPECT_EQ(parseTimeText("21 Feb 2009 17:34:56 +0000"), kSample);
    EXPECT_EQ(parseTimeText("sat, 21 FEB 2009 17:34:56 GMT"), kSample);
    EXPECT_EQ(parseTimeText("Sat, 21 Feb 2009 17:34 UTC"), kSample - 56 * kSecond);
}

TEST(TimeText, RefusesWhatIsNotSuchATime)
{
    for (const char* text :
         {"", "Sun, 21 Feb 2009 12:34:56 -0500", "Sat, 29 Feb 2009 12:34:56 +0000", "Sat, 21 Feb 2009 24:00:00 +0000",
          "Sat, 21 Feb 2009 12:60:00 +0000", "Sat, 21 Feb 2009 12:34:56 +0060", "Sat, 21 Feb 2009 12:34:56",
          "21 Feb 09 12:34 +0000", "Sat, 21 Feb 2009 12:34:56 +0000 ", "Sat, 21 Feb 2009 12:34:56 EST", "yesterday"})
        EXPECT_EQ(parseTimeText(text), std::nullopt) << text;
}

} // namespace guard
