#include "Inspectors/Portable/Time/TimeText.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"

namespace guard {

namespace TimeText {

namespace {

constexpr std::string_view kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
constexpr std::string_view kMonthNames[13] = {"",     "January", "February",  "March",   "April",    "May",     "June",
                                              "July", "August",  "September", "October", "November", "December"};

char* copy(char* out, std::string_view text)
{
    for (char c : text)
        *out++ = c;
    return out;
}

char* writeUnsigned(char* out, std::uint64_t value) { return std::to_chars(out, out + 20, value).ptr; }

// "00" to "99", two bytes each.
constexpr char kTwoDigits[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                              "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                              "8081828384858687888990919293949596979899";
constexpr char kDayAbbreviations[] = "SunMonTueWedThuFriSat";
constexpr char kMonthAbbreviations[] = "JanFebMarAprMayJunJulAugSepOctNovDec";

char* copyThree(char* out, const char* from)
{
    std::memcpy(out, from, 3);
    return out + 3;
}

// "Sat, 21 Feb 2009" from its parts; the year has four digits (0 to 9999).
char* writeDateParts(char* out, int weekday, int day, int month, int year)
{
    out = copyThree(out, kDayAbbreviations + 3 * weekday);
    std::memcpy(out, ", ", 2);
    out = writeTwoDigits(out + 2, day);
    *out++ = ' ';
    out = copyThree(out, kMonthAbbreviations + 3 * (month - 1));
    *out++ = ' ';
    out = writeTwoDigits(out, year / 100);
    return writeTwoDigits(out, year % 100);
}

// At least `width` digits, zeros in front.
char* writePadded(char* out, std::uint64_t value, int width)
{
    char digits[20];
    char* end = writeUnsigned(digits, value);
    for (auto count = end - digits; count < width; ++count)
        *out++ = '0';
    return copy(out, std::string_view(digits, std::size_t(end - digits)));
}

} // namespace

std::string_view dayName(int day) { return kDayNames[day]; }
std::string_view dayAbbreviation(int day) { return kDayNames[day].substr(0, 3); }
std::string_view monthName(int month) { return kMonthNames[month]; }
std::string_view monthAbbreviation(int month) { return kMonthNames[month].substr(0, 3); }

char* writeTwoDigits(char* out, int value)
{
    std::memcpy(out, kTwoDigits + 2 * value, 2);
    return out + 2;
}

char* writeDate(char* out, Date date)
{
    return writeDateParts(out, TimeCalendar::weekdayOf(date), date.day, date.month, date.year);
}

char* writeTimeOfDay(char* out, TimeOfDay time)
{
    out = writeTwoDigits(out, time.hour);
    *out++ = ':';
    out = writeTwoDigits(out, time.minute);
    *out++ = ':';
    return writeTwoDigits(out, time.second);
}

char* writeZone(char* out, TimeZone zone)
{
    *out++ = zone.offset < 0 ? '-' : '+';
    const std::uint64_t magnitude = zone.offset < 0 ? 0 - std::uint64_t(zone.offset) : std::uint64_t(zone.offset);
    const std::uint64_t minutes = magnitude / 60000000u;
    const std::uint64_t hours = minutes / 60;
    out = hours < 100 ? writeTwoDigits(out, int(hours)) : writeUnsigned(out, hours);
    return writeTwoDigits(out, int(minutes % 60));
}

// The date, weekday and time of day all come from the one local day number
// and the microseconds within that day.
std::optional<char*> writeTime(char* out, Time time, TimeZone zone)
{
    std::optional<std::int64_t> local = addIntegers(time.count, zone.offset);
    if (!local)
        return std::nullopt;
    const std::int64_t days = Calendar::floorDivide(*local, Calendar::kMicrosecondsPerDay);
    const std::int64_t dayNumber = days + Calendar::kDayNumberOf1970;
    if (!Calendar::isCalendarDayNumber(dayNumber))
        return std::nullopt;
    const Calendar::CivilDate date = Calendar::dateOfDayNumber(dayNumber);
    out = writeDateParts(out, Calendar::weekdayOfDayNumber(dayNumber), date.day, date.month, int(date.year));
    *out++ = ' ';
    const int second = int((*local - days * Calendar::kMicrosecondsPerDay) / Calendar::kMicrosecondsPerSecond);
    out = writeTwoDigits(out, second / 3600);
    *out++ = ':';
    out = writeTwoDigits(out, second / 60 % 60);
    *out++ = ':';
    out = writeTwoDigits(out, second % 60);
    *out++ = ' ';
    return writeZone(out, zone);
}

char* writeInterval(char* out, TimeInterval interval)
{
    if (interval.count < 0)
        *out++ = '-';
    // The magnitude as unsigned, so that the least interval has one too.
    const std::uint64_t magnitude =
        interval.count < 0 ? 0 - std::uint64_t(interval.count) : std::uint64_t(interval.count);
    const std::uint64_t day = std::uint64_t(Calendar::kMicrosecondsPerDay);
    const std::uint64_t days = magnitude / day;
    const std::uint64_t rest = magnitude % day;
    if (days != 0) {
        out = writeUnsigned(out, days);
        out = copy(out, days == 1 ? " day" : " days");
        if (rest == 0)
            return out;
        out = copy(out, ", ");
    }
    const std::uint64_t seconds = rest / 1000000u;
    const std::uint64_t micros = rest % 1000000u;
    out = writeTwoDigits(out, int(seconds / 3600));
    *out++ = ':';
    out = writeTwoDigits(out, int(seconds / 60 % 60));
    *out++ = ':';
    out = writeTwoDigits(out, int(seconds % 60));
    if (micros != 0) {
        *out++ = '.';
        out = writePadded(out, micros / 1000, 3);
        if (micros % 1000 != 0)
            out = writePadded(out, micros % 1000, 3);
    }
    return out;
}

// A part that is zero is left out, unless both are: "0 months".
char* writeNumberOfMonths(char* out, NumberOfMonths months)
{
    if (months.count < 0)
        *out++ = '-';
    const std::uint64_t magnitude = months.count < 0 ? 0 - std::uint64_t(months.count) : std::uint64_t(months.count);
    const std::uint64_t years = magnitude / 12;
    const std::uint64_t rest = magnitude % 12;
    if (years != 0) {
        out = writeUnsigned(out, years);
        out = copy(out, " years");
        if (rest == 0)
            return out;
        out = copy(out, ", ");
    }
    out = writeUnsigned(out, rest);
    return copy(out, " months");
}

} // namespace TimeText

} // namespace guard
