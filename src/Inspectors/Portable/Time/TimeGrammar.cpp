#include "Inspectors/Portable/Time/TimeGrammar.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstdint>

#include "Inspectors/Portable/Time/Calendar.h"
#include "Inspectors/Portable/Time/TimeCalendar.h"
#include "Inspectors/Portable/Time/TimeErrors.h"
#include "syntax/CharacterLexeme.h"
#include "syntax/CharacterSet.h"
#include "syntax/IgnoredTextLexeme.h"
#include "syntax/Lexer.h"
#include "syntax/ReservedWordLexeme.h"
#include "syntax/RuleTable.h"
#include "syntax/RuleTrieParser.h"

namespace guard {

namespace TimeGrammar {

namespace {

// Terminals, non-terminals and the end symbol.
enum Symbol : GrammarSymbol {
    kDayName = 0,
    kMonthName = 1,
    kDigits1 = 2,
    kDigits2 = 3,
    kDigits3 = 4,
    kDigits4 = 5,
    kZoneName = 6,
    kZoneLetter = 7,
    kComma = 8,
    kColon = 9,
    kPlus = 10,
    kMinus = 11,
    kHoursAndMinutes = 12,
    kClock = 13,
    kMonthAndYear = 14,
    kDate = 15,
    kDateWithWeekday = 16,
    kEnd = 18,
};

// The builder that the rules drive: a stack of six pending numbers and the
// parts read so far.
class TimeAutomaton {
public:
    void Reset()
    {
        depth_ = 0;
        zoneGiven_ = false;
        weekdayMatches_ = true;
    }

    void push(std::int32_t value)
    {
        if (depth_ == stack_.size())
            throw StackFull();
        stack_[depth_++] = value;
    }

    void twoDigitYear() { stack_[depth_ - 1] += 1900; }
    void makeDate()
    {
        day_ = stack_[depth_ - 3];
        month_ = stack_[depth_ - 2];
        year_ = stack_[depth_ - 1];
        depth_ -= 3;
    }
    // An invalid date is reported as such later; its weekday is not checked.
    void checkWeekday()
    {
        std::int32_t weekday = stack_[--depth_];
        if (Calendar::isValidDate(year_, month_, day_))
            weekdayMatches_ = Calendar::weekdayOfDayNumber(Calendar::dayNumber(year_, month_, day_)) == weekday;
    }
    void makeTimeHms()
    {
        hour_ = stack_[depth_ - 3];
        minute_ = stack_[depth_ - 2];
        second_ = stack_[depth_ - 1];
        depth_ -= 3;
    }
    void makeTimeHm()
    {
        hour_ = stack_[depth_ - 2];
        minute_ = stack_[depth_ - 1];
        second_ = 0;
        depth_ -= 2;
    }
    void zoneFromName() { setZone(stack_[--depth_]); }
    void zonePlus()
    {
        std::int32_t hhmm = stack_[--depth_];
        setZone((hhmm / 100 * 60 + hhmm % 100) * 60);
    }
    void zoneMinus()
    {
        std::int32_t hhmm = stack_[--depth_];
        setZone(-(hhmm / 100 * 60 + hhmm % 100) * 60);
    }
    // Military letters parse but record no zone: the rules pop their value
    // through this operation.
    void ignoreZoneLetter() { --depth_; }

    Reading reading(Form form) const
    {
        Reading result;
        const bool hasDate = form == Form::Time || form == Form::Date;
        const bool hasClock = form != Form::Date;
        if (hasDate) {
            if (!Calendar::isValidDate(year_, month_, day_))
                throw NoSuchDate();
            result.date = Date{year_, std::uint8_t(month_), std::uint8_t(day_)};
        }
        if (hasClock) {
            if (hour_ < 0 || hour_ >= 24 || minute_ < 0 || minute_ >= 60 || second_ < 0 || second_ >= 60)
                throw NoSuchTimeOfDay();
            result.timeOfDay = TimeOfDay{std::uint8_t(hour_), std::uint8_t(minute_), std::uint8_t(second_)};
        }
        if (!weekdayMatches_)
            throw WrongDayOfWeek();
        result.zoneGiven = zoneGiven_;
        result.zone = TimeZone{std::int64_t(zoneSeconds_) * Calendar::kMicrosecondsPerSecond};
        return result;
    }

private:
    void setZone(std::int32_t seconds)
    {
        zoneSeconds_ = seconds;
        zoneGiven_ = true;
    }

    std::array<std::int32_t, 6> stack_{};
    std::size_t depth_ = 0;
    std::int32_t day_ = 0, month_ = 0, year_ = 0;
    std::int32_t hour_ = 0, minute_ = 0, second_ = 0;
    std::int32_t zoneSeconds_ = 0;
    bool zoneGiven_ = false;
    bool weekdayMatches_ = true;
};

using Table = RuleTable<TimeAutomaton>;
using A = TimeAutomaton;

// The rules of the date part, shared by the full time and the date grammar
// (which ends where the full time goes on).
#define GUARD_DATE_RULES(weekdayLeft)                                                                                  \
    {kMonthAndYear, {kMonthName, kDigits4}, nullptr}, {kMonthAndYear, {kMonthName, kDigits3}, nullptr},                \
        {kMonthAndYear, {kMonthName, kDigits2}, &A::twoDigitYear}, {kDate, {kDigits1, kMonthAndYear}, &A::makeDate},   \
        {kDate, {kDigits2, kMonthAndYear}, &A::makeDate}, {weekdayLeft, {kDayName, kComma, kDate}, &A::checkWeekday},  \
    {                                                                                                                  \
        weekdayLeft, {kDate}, nullptr                                                                                  \
    }

const Table& timeTable()
{
    static const Table table(kEnd,
                             {
                                 GUARD_DATE_RULES(kDateWithWeekday),
                                 {kHoursAndMinutes, {kDigits2, kColon, kDigits2}, nullptr},
                                 {kClock, {kHoursAndMinutes, kColon, kDigits2}, &A::makeTimeHms},
                                 {kClock, {kHoursAndMinutes}, &A::makeTimeHm},
                                 {kEnd, {kDateWithWeekday, kClock, kPlus, kDigits4}, &A::zonePlus},
                                 {kEnd, {kDateWithWeekday, kClock, kMinus, kDigits4}, &A::zoneMinus},
                                 {kEnd, {kDateWithWeekday, kClock, kZoneName}, &A::zoneFromName},
                                 {kEnd, {kDateWithWeekday, kClock, kZoneLetter}, &A::ignoreZoneLetter},
                                 {kEnd, {kDateWithWeekday, kClock}, nullptr},
                             });
    return table;
}

const Table& dateTable()
{
    static const Table table(kEnd, {GUARD_DATE_RULES(kEnd)});
    return table;
}

const Table& timeOfDayTable()
{
    static const Table table(kEnd,
                             {
                                 {kHoursAndMinutes, {kDigits1, kColon, kDigits2}, nullptr},
                                 {kHoursAndMinutes, {kDigits2, kColon, kDigits2}, nullptr},
                                 {kEnd, {kHoursAndMinutes, kColon, kDigits2}, &A::makeTimeHms},
                                 {kEnd, {kHoursAndMinutes}, &A::makeTimeHm},
                             });
    return table;
}

const Table& zonedTimeOfDayTable()
{
    static const Table table(kEnd,
                             {
                                 {kHoursAndMinutes, {kDigits1, kColon, kDigits2}, nullptr},
                                 {kHoursAndMinutes, {kDigits2, kColon, kDigits2}, nullptr},
                                 {kClock, {kHoursAndMinutes, kColon, kDigits2}, &A::makeTimeHms},
                                 {kClock, {kHoursAndMinutes}, &A::makeTimeHm},
                                 {kEnd, {kClock, kPlus, kDigits4}, &A::zonePlus},
                                 {kEnd, {kClock, kMinus, kDigits4}, &A::zoneMinus},
                                 {kEnd, {kClock, kZoneName}, &A::zoneFromName},
                                 {kEnd, {kClock, kZoneLetter}, &A::ignoreZoneLetter},
                                 {kEnd, {kClock}, nullptr},
                             });
    return table;
}

#undef GUARD_DATE_RULES

const Table& tableFor(Form form)
{
    switch (form) {
    case Form::Time: return timeTable();
    case Form::Date: return dateTable();
    case Form::TimeOfDay: return timeOfDayTable();
    case Form::ZonedTimeOfDay: break;
    }
    return zonedTimeOfDayTable();
}

// The word table, sorted by spelling: the terminal and the value pushed
// (seconds east of UTC for zones, stored as the bits of a signed value).
constexpr std::uint32_t seconds(std::int32_t value) { return std::uint32_t(value); }
constexpr ReservedWord<GrammarSymbol> kWords[] = {
    {"a", kZoneLetter, seconds(3600)},
    {"apr", kMonthName, 4},
    {"aug", kMonthName, 8},
    {"b", kZoneLetter, seconds(7200)},
    {"c", kZoneLetter, seconds(10800)},
    {"cdt", kZoneName, seconds(-18000)},
    {"cst", kZoneName, seconds(-21600)},
    {"d", kZoneLetter, seconds(14400)},
    {"dec", kMonthName, 12},
    {"e", kZoneLetter, seconds(18000)},
    {"edt", kZoneName, seconds(-14400)},
    {"est", kZoneName, seconds(-18000)},
    {"f", kZoneLetter, seconds(21600)},
    {"feb", kMonthName, 2},
    {"fri", kDayName, 5},
    {"g", kZoneLetter, seconds(25200)},
    {"gmt", kZoneName, seconds(0)},
    {"h", kZoneLetter, seconds(28800)},
    {"i", kZoneLetter, seconds(32400)},
    {"jan", kMonthName, 1},
    {"jul", kMonthName, 7},
    {"jun", kMonthName, 6},
    {"k", kZoneLetter, seconds(36000)},
    {"l", kZoneLetter, seconds(39600)},
    {"m", kZoneLetter, seconds(43200)},
    {"mar", kMonthName, 3},
    {"may", kMonthName, 5},
    {"mdt", kZoneName, seconds(-21600)},
    {"mon", kDayName, 1},
    {"mst", kZoneName, seconds(-25200)},
    {"n", kZoneLetter, seconds(-3600)},
    {"nov", kMonthName, 11},
    {"o", kZoneLetter, seconds(-7200)},
    {"oct", kMonthName, 10},
    {"p", kZoneLetter, seconds(-10800)},
    {"pdt", kZoneName, seconds(-25200)},
    {"pst", kZoneName, seconds(-28800)},
    {"q", kZoneLetter, seconds(-14400)},
    {"r", kZoneLetter, seconds(-18000)},
    {"s", kZoneLetter, seconds(-21600)},
    {"sat", kDayName, 6},
    {"sep", kMonthName, 9},
    {"sun", kDayName, 0},
    {"t", kZoneLetter, seconds(-25200)},
    {"thu", kDayName, 4},
    {"tue", kDayName, 2},
    {"u", kZoneLetter, seconds(-28800)},
    {"ut", kZoneName, seconds(0)},
    {"v", kZoneLetter, seconds(-32400)},
    {"w", kZoneLetter, seconds(-36000)},
    {"wed", kDayName, 3},
    {"x", kZoneLetter, seconds(-39600)},
    {"y", kZoneLetter, seconds(-43200)},
    {"z", kZoneLetter, seconds(0)},
};

constexpr CharacterSet kBlanks = CharacterSet::of(" \t\r\n");
constexpr CharacterSet kLetters = CharacterSet().withRange('a', 'z').withRange('A', 'Z');

class NumeralAcceptor {
public:
    virtual ~NumeralAcceptor() = default;
    virtual void AcceptNumeral(std::uint32_t value, std::uint32_t digits) = 0;
};

// A run of digits; its value is kept in 32 bits and its length counted.
class TimeNumeralLexeme final : public Lexeme {
public:
    explicit TimeNumeralLexeme(NumeralAcceptor& acceptor) : acceptor_(acceptor) { }

    void Begin(TextOffset) override
    {
        value_ = 0;
        digits_ = 0;
    }
    void Accept(TextOffset, TextOffset, LexemeCursor& cursor) override
    {
        while (!cursor.atEnd() && *cursor.next >= '0' && *cursor.next <= '9') {
            value_ = value_ * 10 + std::uint32_t(*cursor.next - '0');
            digits_ += digits_ < 5 ? 1 : 0;
            ++cursor.next;
        }
        if (!cursor.atEnd())
            acceptor_.AcceptNumeral(value_, digits_);
    }
    void End(TextOffset, TextOffset) override { acceptor_.AcceptNumeral(value_, digits_); }

private:
    NumeralAcceptor& acceptor_;
    std::uint32_t value_ = 0;
    std::uint32_t digits_ = 0;
};

// The lexer and the parser of one conversion, built on the stack.
class TimeParser final : private Lexer,
                         private EndLexemeAcceptor,
                         private CharacterLexemeAcceptor,
                         private ReservedWordAcceptor<GrammarSymbol>,
                         private NumeralAcceptor {
public:
    explicit TimeParser(Form form)
        : Lexer(static_cast<EndLexemeAcceptor&>(*this)), parser_(tableFor(form), automaton_), blanks_(kBlanks),
          words_(kLetters, wordBuffer_, sizeof wordBuffer_, kWords, *this, copyAsciiLowerCase), numeral_(*this),
          character_(*this), form_(form)
    {
    }

    Reading read(std::string_view text)
    {
        Start();
        Receive(text.data(), text.data() + text.size());
        Finish();
        return automaton_.reading(form_);
    }

private:
    Lexeme& NewLexeme(unsigned char byte) override
    {
        if (kBlanks.contains(byte))
            return blanks_;
        if (kLetters.contains(byte))
            return words_;
        if (byte >= '0' && byte <= '9')
            return numeral_;
        return character_;
    }

    void ResetInput() override { parser_.reset(); }
    void EndInput(TextOffset) override { parser_.finish(); }

    void token(GrammarSymbol terminal)
    {
        parser_.shift(terminal);
        parser_.push();
    }
    void valueToken(GrammarSymbol terminal, std::int32_t value)
    {
        parser_.shift(terminal);
        automaton_.push(value);
        parser_.push();
    }

    void AcceptCharacter(TextOffset, TextOffset, unsigned char byte) override
    {
        switch (byte) {
        case ',': return token(kComma);
        case ':': return token(kColon);
        case '+': return token(kPlus);
        case '-': return token(kMinus);
        default: throw ParsingFailure();
        }
    }
    void AcceptReservedWord(TextOffset, TextOffset, const GrammarSymbol& terminal, std::uint32_t extra) override
    {
        valueToken(terminal, std::int32_t(extra));
    }
    void AcceptUnknownWord(TextOffset, TextOffset, const char*, const char*) override { throw ParsingFailure(); }
    void RejectLongWord(TextOffset, TextOffset) override { throw ParsingFailure(); }
    void AcceptNumeral(std::uint32_t value, std::uint32_t digits) override
    {
        if (digits > 4)
            throw ParsingFailure();
        valueToken(GrammarSymbol(kDigits1 + digits - 1), std::int32_t(value));
    }

    TimeAutomaton automaton_;
    RuleTrieParser<TimeAutomaton, 16> parser_;
    char wordBuffer_[4];
    IgnoredTextLexeme blanks_;
    ReservedWordLexeme<GrammarSymbol> words_;
    TimeNumeralLexeme numeral_;
    CharacterLexeme character_;
    Form form_;
};

} // namespace

namespace {

// The word table's spellings packed into integers, first letter highest and
// padded with zeros, which keeps their order: the fast path's lookup.
constexpr std::uint32_t pack(std::string_view word)
{
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < 3; ++i)
        packed = packed << 8 | (i < word.size() ? static_cast<unsigned char>(word[i]) : 0u);
    return packed;
}
constexpr auto kPackedWords = [] {
    std::array<std::uint32_t, std::size(kWords)> packed{};
    for (std::size_t i = 0; i < packed.size(); ++i)
        packed[i] = pack(kWords[i].spelling);
    return packed;
}();
static_assert(std::is_sorted(kPackedWords.begin(), kPackedWords.end()), "the word table is sorted");

// A cursor over the text of the fast path.
struct Scanner {
    std::string_view text;
    std::size_t at = 0;

    bool atEnd() const { return at == text.size(); }
    bool take(char c)
    {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    // Exactly `count` digits.
    bool digits(std::size_t count, std::int32_t& value)
    {
        if (text.size() - at < count)
            return false;
        value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const char c = text[at + i];
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + (c - '0');
        }
        at += count;
        return true;
    }
    // A word of letters looked up in the word table; true when found with
    // `terminal` (a longer run of letters is not a word of the table).
    bool word(std::size_t length, GrammarSymbol terminal, std::int32_t& value)
    {
        if (text.size() - at < length)
            return false;
        char lower[3];
        for (std::size_t i = 0; i < length; ++i) {
            const char c = text[at + i];
            if (!kLetters.contains(c))
                return false;
            lower[i] = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
        }
        if (at + length < text.size() && kLetters.contains(text[at + length]))
            return false;
        const auto found =
            std::lower_bound(std::begin(kPackedWords), std::end(kPackedWords), pack(std::string_view(lower, length)));
        if (found == std::end(kPackedWords) || *found != pack(std::string_view(lower, length)))
            return false;
        const ReservedWord<GrammarSymbol>& entry = kWords[found - std::begin(kPackedWords)];
        if (entry.action != terminal)
            return false;
        value = std::int32_t(entry.extra);
        at += length;
        return true;
    }
};

} // namespace

std::optional<Reading> readCommonTime(std::string_view text)
{
    Scanner s{text};
    std::int32_t weekday = -1, day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0, zone = 0;
    bool zoneGiven = false;
    if (s.word(3, kDayName, weekday)) {
        if (!s.take(',') || !s.take(' '))
            return std::nullopt;
    }
    if (!s.digits(2, day) && !s.digits(1, day))
        return std::nullopt;
    if (!s.take(' ') || !s.word(3, kMonthName, month) || !s.take(' ') || !s.digits(4, year) || !s.take(' '))
        return std::nullopt;
    if (!s.digits(2, hour) || !s.take(':') || !s.digits(2, minute))
        return std::nullopt;
    if (s.take(':') && !s.digits(2, second))
        return std::nullopt;
    if (s.take(' ')) {
        std::int32_t hhmm = 0;
        // One sign, then exactly four digits; anything else is the grammar's.
        const bool east = s.take('+');
        const bool west = !east && s.take('-');
        if (east || west) {
            if (!s.digits(4, hhmm))
                return std::nullopt;
            zone = (hhmm / 100 * 60 + hhmm % 100) * 60;
            if (west)
                zone = -zone;
        } else if (!s.word(s.text.size() - s.at == 2 ? 2 : 3, kZoneName, zone)) {
            return std::nullopt;
        }
        zoneGiven = true;
    }
    if (!s.atEnd() || !Calendar::isValidDate(year, month, day) || hour >= 24 || minute >= 60 || second >= 60)
        return std::nullopt;
    if (weekday >= 0 && Calendar::weekdayOfDayNumber(Calendar::dayNumber(year, month, day)) != weekday)
        return std::nullopt;
    Reading reading;
    reading.date = Date{year, std::uint8_t(month), std::uint8_t(day)};
    reading.timeOfDay = TimeOfDay{std::uint8_t(hour), std::uint8_t(minute), std::uint8_t(second)};
    reading.zoneGiven = zoneGiven;
    reading.zone = TimeZone{std::int64_t(zone) * Calendar::kMicrosecondsPerSecond};
    return reading;
}

Reading read(std::string_view text, Form form)
{
    if (form == Form::Time) {
        if (std::optional<Reading> common = readCommonTime(text))
            return *common;
    }
    return readByGrammar(text, form);
}

Reading readByGrammar(std::string_view text, Form form)
{
    TimeParser parser(form);
    return parser.read(text);
}

} // namespace TimeGrammar

} // namespace guard
