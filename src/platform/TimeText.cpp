#include "platform/TimeText.h"

#include <array>

namespace guard {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1000000;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::array<const char*, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::int64_t floorDivide(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a civil date (month 1..12), counting in 400-year
// eras of 146097 days that start on 1 March.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    std::int64_t era = floorDivide(year, 400);
    auto yearOfEra = static_cast<unsigned>(year - era * 400);
    unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDays(std::int64_t days)
{
    days += 719468;
    std::int64_t era = floorDivide(days, 146097);
    auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2), month, day};
}

unsigned weekdayOf(std::int64_t days) { return static_cast<unsigned>(days - floorDivide(days + 4, 7) * 7 + 4) % 7; }

unsigned daysInMonth(std::int64_t year, unsigned month)
{
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    return true;
}

void appendTwoDigits(std::string& to, unsigned value)
{
    to += static_cast<char>('0' + value / 10 % 10);
    to += static_cast<char>('0' + value % 10);
}

// A cursor over the text being read.
class TextCursor {
public:
    explicit TextCursor(std::string_view text) : text_(text) { }

    bool atEnd() const { return at_ == text_.size(); }
    bool skip(char c)
    {
        if (atEnd() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    void skipBlanks()
    {
        while (!atEnd() && text_[at_] == ' ')
            ++at_;
    }
    std::string_view letters()
    {
        std::size_t from = at_;
        while (!atEnd() && foldAscii(text_[at_]) >= 'a' && foldAscii(text_[at_]) <= 'z')
            ++at_;
        return text_.substr(from, at_ - from);
    }
    // Between `least` and `most` decimal digits.
    std::optional<unsigned> number(std::size_t least, std::size_t most)
    {
        std::size_t from = at_;
        unsigned value = 0;
        while (!atEnd() && at_ - from < most && text_[at_] >= '0' && text_[at_] <= '9')
            value = value * 10 + static_cast<unsigned>(text_[at_++] - '0');
        if (at_ - from < least)
            return std::nullopt;
        return value;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

template <std::size_t N>
std::optional<unsigned> nameIndex(std::string_view name, const std::array<const char*, N>& names)
{
    for (std::size_t i = 0; i < N; ++i)
        if (equalIgnoringCase(name, names[i]))
            return static_cast<unsigned>(i);
    return std::nullopt;
}

std::optional<int> readZone(TextCursor& cursor)
{
    bool negative = cursor.skip('-');
    if (negative || cursor.skip('+')) {
        std::optional<unsigned> hhmm = cursor.number(4, 4);
        if (!hhmm || *hhmm % 100 >= 60)
            return std::nullopt;
        int seconds = static_cast<int>(*hhmm / 100 * 3600 + *hhmm % 100 * 60);
        return negative ? -seconds : seconds;
    }
    std::string_view name = cursor.letters();
    if (equalIgnoringCase(name, "gmt") || equalIgnoringCase(name, "ut") || equalIgnoringCase(name, "utc"))
        return 0;
    return std::nullopt;
}

} // namespace

std::string formatTimeText(std::int64_t time, int offsetSeconds)
{
    std::int64_t local = floorDivide(time, kMicrosecondsPerSecond) + offsetSeconds;
    std::int64_t days = floorDivide(local, kSecondsPerDay);
    auto secondOfDay = static_cast<unsigned>(local - days * kSecondsPerDay);
    CivilDate date = civilFromDays(days);

    std::string text;
    text.reserve(kTimeTextMaximum);
    text += kDayNames[weekdayOf(days)];
    text += ", ";
    appendTwoDigits(text, date.day);
    text += ' ';
    text += kMonthNames[date.month - 1];
    text += ' ';
    std::string year = std::to_string(date.year);
    if (date.year >= 0 && year.size() < 4)
        text.append(4 - year.size(), '0');
    text += year;
    text += ' ';
    appendTwoDigits(text, secondOfDay / 3600);
    text += ':';
    appendTwoDigits(text, secondOfDay / 60 % 60);
    text += ':';
    appendTwoDigits(text, secondOfDay % 60);
    text += ' ';
    text += offsetSeconds < 0 ? '-' : '+';
    unsigned offset = static_cast<unsigned>(offsetSeconds < 0 ? -offsetSeconds : offsetSeconds);
    appendTwoDigits(text, offset / 3600);
    appendTwoDigits(text, offset / 60 % 60);
    return text;
}

std::optional<std::int64_t> parseTimeText(std::string_view text)
{
    TextCursor cursor(text);
    std::optional<unsigned> weekday;
    std::string_view word = cursor.letters();
    if (!word.empty()) {
        weekday = nameIndex(word, kDayNames);
        if (!weekday || !cursor.skip(','))
            return std::nullopt;
        cursor.skipBlanks();
    }
    std::optional<unsigned> day = cursor.number(1, 2);
    if (!day || !cursor.skip(' '))
        return std::nullopt;
    std::optional<unsigned> month = nameIndex(cursor.letters(), kMonthNames);
    if (!month || !cursor.skip(' '))
        return std::nullopt;
    std::optional<unsigned> year = cursor.number(4, 4);
    if (!year || !cursor.skip(' '))
        return std::nullopt;
    std::optional<unsigned> hours = cursor.number(2, 2);
    if (!hours || !cursor.skip(':'))
        return std::nullopt;
    std::optional<unsigned> minutes = cursor.number(2, 2);
    std::optional<unsigned> seconds = 0u;
    if (minutes && cursor.skip(':'))
        seconds = cursor.number(2, 2);
    if (!minutes || !seconds || !cursor.skip(' '))
        return std::nullopt;
    std::optional<int> zone = readZone(cursor);
    if (!zone || !cursor.atEnd())
        return std::nullopt;
    unsigned monthNumber = *month + 1;
    if (*day < 1 || *day > daysInMonth(*year, monthNumber) || *hours > 23 || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    std::int64_t days = daysFromCivil(*year, monthNumber, *day);
    if (weekday && *weekday != weekdayOf(days))
        return std::nullopt;
    std::int64_t local = days * kSecondsPerDay + *hours * 3600 + *minutes * 60 + *seconds;
    return (local - *zone) * kMicrosecondsPerSecond;
}

} // namespace guard
