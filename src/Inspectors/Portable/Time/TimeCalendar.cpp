#include "Inspectors/Portable/Time/TimeCalendar.h"

#include "Inspectors/Portable/Integers.h"

namespace guard {

std::int64_t universalSecondOfDay(const ZonedTimeOfDay& value)
{
    const std::int64_t zoneSeconds = Calendar::floorDivide(value.zone.offset, Calendar::kMicrosecondsPerSecond);
    return Calendar::floorModulo(value.time.seconds() - Calendar::floorModulo(zoneSeconds, Calendar::kSecondsPerDay),
                                 Calendar::kSecondsPerDay);
}

namespace TimeCalendar {

using namespace Calendar;

std::optional<Date> makeDate(std::int64_t year, std::int64_t month, std::int64_t day)
{
    if (!isValidDate(year, month, day))
        return std::nullopt;
    return Date{std::int32_t(year), std::uint8_t(month), std::uint8_t(day)};
}

std::optional<Date> dateOfDayNumber(std::int64_t number)
{
    if (!isCalendarDayNumber(number))
        return std::nullopt;
    CivilDate civil = Calendar::dateOfDayNumber(number);
    return Date{std::int32_t(civil.year), std::uint8_t(civil.month), std::uint8_t(civil.day)};
}

std::int64_t dayNumberOf(Date date) { return dayNumber(date.year, date.month, date.day); }

int weekdayOf(Date date) { return weekdayOfDayNumber(dayNumberOf(date)); }

std::optional<Date> dateAt(Time time, TimeZone zone)
{
    std::optional<std::int64_t> local = addIntegers(time.count, zone.offset);
    if (!local)
        return std::nullopt;
    return dateOfDayNumber(floorDivide(*local, kMicrosecondsPerDay) + kDayNumberOf1970);
}

TimeOfDay timeOfDayAt(Time time, TimeZone zone)
{
    // Wrapping sums: only the position within the day matters.
    const std::int64_t withinDay =
        floorModulo(time.count, kMicrosecondsPerDay) + floorModulo(zone.offset, kMicrosecondsPerDay);
    return timeOfDayFromSeconds(floorDivide(withinDay, kMicrosecondsPerSecond));
}

std::optional<Time> timeOf(Date date, TimeOfDay timeOfDay, TimeZone zone)
{
    // The calendar's day numbers keep the first product far inside 64 bits.
    const std::int64_t local =
        (dayNumberOf(date) - kDayNumberOf1970) * kMicrosecondsPerDay + timeOfDay.seconds() * kMicrosecondsPerSecond;
    std::optional<std::int64_t> count = subtractIntegers(local, zone.offset);
    if (!count)
        return std::nullopt;
    return Time{*count};
}

TimeOfDay timeOfDayFromSeconds(std::int64_t seconds)
{
    const std::int64_t s = floorModulo(seconds, kSecondsPerDay);
    return TimeOfDay{std::uint8_t(s / 3600), std::uint8_t(s / 60 % 60), std::uint8_t(s % 60)};
}

std::int64_t wholeDaysOf(TimeInterval interval) { return floorDivide(interval.count, kMicrosecondsPerDay); }
std::int64_t wholeSecondsOf(TimeInterval interval) { return floorDivide(interval.count, kMicrosecondsPerSecond); }

namespace {

// ⌊−x / unit⌋ = −⌈x / unit⌉, without negating x.
std::int64_t negatedWhole(std::int64_t x, std::int64_t unit)
{
    return -floorDivide(x, unit) - (floorModulo(x, unit) != 0 ? 1 : 0);
}

} // namespace

std::int64_t negatedWholeDaysOf(TimeInterval interval) { return negatedWhole(interval.count, kMicrosecondsPerDay); }
std::int64_t negatedWholeSecondsOf(TimeInterval interval)
{
    return negatedWhole(interval.count, kMicrosecondsPerSecond);
}

std::optional<Year> makeYear(std::int64_t year)
{
    if (!isCalendarYear(year))
        return std::nullopt;
    return Year{year};
}

std::optional<Month> makeMonth(std::int64_t month)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    return Month{month};
}

std::optional<DayOfMonth> makeDayOfMonth(std::int64_t day)
{
    if (day < 1 || day > 31)
        return std::nullopt;
    return DayOfMonth{day};
}

std::optional<MonthAndYear> makeMonthAndYear(std::int64_t month, std::int64_t year)
{
    if (month < 1 || month > 12 || !isCalendarYear(year))
        return std::nullopt;
    return MonthAndYear{month, year};
}

std::optional<DayOfYear> makeDayOfYear(std::int64_t month, std::int64_t day)
{
    // Year 0 is a leap year, so every day of year exists in it.
    if (month < 1 || month > 12 || day < 1 || day > monthLength(0, int(month)))
        return std::nullopt;
    return DayOfYear{std::uint8_t(month), std::uint8_t(day)};
}

std::int64_t monthIndex(MonthAndYear value) { return value.year * 12 + value.month - 1; }

std::optional<MonthAndYear> monthAndYearOfIndex(std::int64_t index)
{
    return makeMonthAndYear(floorModulo(index, 12) + 1, floorDivide(index, 12));
}

} // namespace TimeCalendar

} // namespace guard
