#include "Inspectors/Portable/Time/TimeText.h"

#include <charconv>
#include <cstdint>

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
    *out++ = char('0' + value / 10);
    *out++ = char('0' + value % 10);
    return out;
}

char* writeDate(char* out, Date date)
{
    out = copy(out, dayAbbreviation(TimeCalendar::weekdayOf(date)));
    out = copy(out, ", ");
    out = writeTwoDigits(out, date.day);
    *out++ = ' ';
    out = copy(out, monthAbbreviation(date.month));
    *out++ = ' ';
    return writePadded(out, std::uint64_t(date.year), 4);
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
    out = writePadded(out, minutes / 60, 2);
    return writeTwoDigits(out, int(minutes % 60));
}

std::optional<char*> writeTime(char* out, Time time, TimeZone zone)
{
    std::optional<Date> date = TimeCalendar::dateAt(time, zone);
    if (!date)
        return std::nullopt;
    out = writeDate(out, *date);
    *out++ = ' ';
    out = writeTimeOfDay(out, TimeCalendar::timeOfDayAt(time, zone));
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
