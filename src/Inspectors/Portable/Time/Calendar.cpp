#include "Inspectors/Portable/Time/Calendar.h"

namespace guard {

namespace Calendar {

namespace {

// Days before the first of each month in a common year.
constexpr int kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int kMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

int monthLength(std::int64_t year, int month) { return month == 2 && isLeapYear(year) ? 29 : kMonthLengths[month]; }

bool isCalendarYear(std::int64_t year) { return year >= kFirstYear && year <= kLastYear; }

bool isValidDate(std::int64_t year, std::int64_t month, std::int64_t day)
{
    return isCalendarYear(year) && month >= 1 && month <= 12 && day >= 1 && day <= monthLength(year, int(month));
}

int dayOfYear(std::int64_t year, int month, int day)
{
    return kDaysBeforeMonth[month] + (month > 2 && isLeapYear(year) ? 1 : 0) + day - 1;
}

std::int64_t dayNumber(std::int64_t year, int month, int day)
{
    std::int64_t within = dayOfYear(year, month, day);
    if (year == 0)
        return within;
    std::int64_t y = year - 1;
    return 365 * year + floorDivide(y, 4) - floorDivide(y, 100) + floorDivide(y, 400) + 1 + within;
}

// Counted in 400-year eras that begin on 1 March, so that a leap day is the
// last day of its era-year: 146 097 days an era, 36 524 a century, 1 461 four
// years. 1 March 0000 is day number 60.
CivilDate dateOfDayNumber(std::int64_t number)
{
    if (isCalendarDayNumber(number)) {
        // The same steps in 32-bit unsigned arithmetic, one era (400 years)
        // later so that nothing is negative: the calendar's own days, which
        // every time written as text falls on, take this way.
        const std::uint32_t shifted = std::uint32_t(number) + 146097u - 60u;
        const std::uint32_t era = shifted / 146097u;
        const std::uint32_t dayOfEra = shifted - era * 146097u;
        const std::uint32_t yearOfEra = (dayOfEra - dayOfEra / 1460u + dayOfEra / 36524u - dayOfEra / 146096u) / 365u;
        const std::uint32_t dayOfMarchYear = dayOfEra - (365u * yearOfEra + yearOfEra / 4u - yearOfEra / 100u);
        const std::uint32_t monthFromMarch = (5u * dayOfMarchYear + 2u) / 153u;
        const int day = int(dayOfMarchYear - (153u * monthFromMarch + 2u) / 5u + 1u);
        const int month = int(monthFromMarch < 10u ? monthFromMarch + 3u : monthFromMarch - 9u);
        const std::int64_t year = std::int64_t(era) * 400 - 400 + yearOfEra + (month <= 2 ? 1 : 0);
        return CivilDate{year, month, day};
    }
    const std::int64_t shifted = number - 60;
    const std::int64_t era = floorDivide(shifted, 146097);
    const std::int64_t dayOfEra = shifted - era * 146097; // 0 to 146096
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;                      // 0 to 399
    const std::int64_t dayOfMarchYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100); // 0 to 365
    const std::int64_t monthFromMarch = (5 * dayOfMarchYear + 2) / 153;                                 // 0 to 11
    const int day = int(dayOfMarchYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = int(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year = era * 400 + yearOfEra + (month <= 2 ? 1 : 0);
    return CivilDate{year, month, day};
}

} // namespace Calendar

} // namespace guard
