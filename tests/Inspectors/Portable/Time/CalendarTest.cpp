// The calendar's day numbers and weekdays against an independent calendar:
// Python's datetime (proleptic Gregorian from year 1, ordinal 1 on 1 January
// 0001, which is our day number 366), over every day of the years 1 to 9999,
// plus the year 0 that Python does not have.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Inspectors/Portable/Time/Calendar.h"

namespace guard {

namespace {

using namespace Calendar;

TEST(Calendar, YearZeroIsALeapYearStartingOnDayZero)
{
    EXPECT_TRUE(isLeapYear(0));
    EXPECT_EQ(dayNumber(0, 1, 1), 0);
    EXPECT_EQ(dayNumber(0, 2, 29), 59);
    EXPECT_EQ(dayNumber(0, 12, 31), 365);
    EXPECT_EQ(dayNumber(1, 1, 1), 366);
    EXPECT_EQ(weekdayOfDayNumber(0), 6); // a Saturday
    for (std::int64_t n = 0; n <= 366; ++n) {
        CivilDate date = dateOfDayNumber(n);
        EXPECT_EQ(dayNumber(date.year, date.month, date.day), n) << n;
        EXPECT_EQ(date.year, n < 366 ? 0 : 1) << n;
    }
    EXPECT_EQ(dayNumber(1970, 1, 1), kDayNumberOf1970);
    EXPECT_EQ(weekdayOfDayNumber(kDayNumberOf1970), 4);
    EXPECT_EQ(dayNumber(9999, 12, 31), kLastDayNumber);
}

TEST(Calendar, LeapYearsAndMonthLengths)
{
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2004));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_FALSE(isValidDate(1900, 2, 29));
    EXPECT_FALSE(isValidDate(2009, 4, 31));
    EXPECT_FALSE(isValidDate(2009, 13, 1));
    EXPECT_FALSE(isValidDate(2009, 0, 1));
    EXPECT_FALSE(isValidDate(10000, 1, 1));
    EXPECT_FALSE(isValidDate(-1, 12, 31));
}

// The inverse works far outside the calendar too (times reach some 292 000
// years either side of 1970): it must stay the inverse of the day count.
TEST(Calendar, TheInverseHoldsFarOutside)
{
    for (std::int64_t n : {std::int64_t(-1), std::int64_t(-146097), std::int64_t(-107000000000),
                           std::int64_t(107000000000), kLastDayNumber + 1}) {
        CivilDate date = dateOfDayNumber(n);
        ASSERT_TRUE(date.month >= 1 && date.month <= 12 && date.day >= 1 &&
                    date.day <= monthLength(date.year, date.month))
            << n;
        CivilDate next = dateOfDayNumber(n + 1);
        bool consecutive = (next.year == date.year && next.month == date.month && next.day == date.day + 1) ||
            (next.day == 1 &&
             ((next.year == date.year && next.month == date.month + 1) ||
              (next.year == date.year + 1 && next.month == 1 && date.month == 12)));
        EXPECT_TRUE(consecutive) << n;
    }
}

// Python writes one line per month (the ordinal and weekday of its first
// day and the ordinal of the next month's first day); within a month both
// calendars count days one by one, so every day of every month is compared.
TEST(Calendar, EveryDayOfTheYears1To9999AgreesWithPython)
{
    const char* program = "import datetime,sys\n"
                          "w=sys.stdout.write\n"
                          "for y in range(1,10000):\n"
                          "  for m in range(1,13):\n"
                          "    d=datetime.date(y,m,1)\n"
                          "    n=datetime.date(y+1,1,1).toordinal() if y<9999 and m==12 else (3652060 if m==12 else "
                          "datetime.date(y,m+1,1).toordinal())\n"
                          "    w('%d %d %d %d %d\\n'%(y,m,d.toordinal(),d.isoweekday()%7,n))\n";
    const std::string command = "python3 -c \"" + std::string(program) + "\" 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        GTEST_SKIP() << "python3 not available";
    long long year, month, first, weekday, next;
    std::int64_t expected = 366;
    int mismatches = 0;
    while (std::fscanf(pipe, "%lld %lld %lld %lld %lld", &year, &month, &first, &weekday, &next) == 5) {
        ASSERT_EQ(first + 365, expected) << "python skipped a month";
        ASSERT_EQ(next - first, monthLength(year, int(month))) << year << "-" << month;
        for (long long day = 1; day <= next - first; ++day) {
            const std::int64_t number = first + 365 + day - 1;
            const CivilDate date = dateOfDayNumber(number);
            const bool agree = isValidDate(year, month, day) && dayNumber(year, int(month), int(day)) == number &&
                weekdayOfDayNumber(number) == (weekday + day - 1) % 7 && date.year == year && date.month == month &&
                date.day == day;
            if (!agree && ++mismatches < 10)
                ADD_FAILURE() << year << "-" << month << "-" << day;
        }
        expected = next + 365;
    }
    const int status = pclose(pipe);
    if (expected == 366)
        GTEST_SKIP() << "python3 gave no dates (status " << status << ")";
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(expected, kLastDayNumber + 1) << "every day up to 31 December 9999";
}

} // namespace

} // namespace guard
