#include "Inspectors/Portable/Time/IntervalGrammar.h"

#include <array>
#include <cstdint>
#include <limits>

#include "Inspectors/Portable/Time/TimeErrors.h"
#include "syntax/CharacterLexeme.h"
#include "syntax/CharacterSet.h"
#include "syntax/IgnoredTextLexeme.h"
#include "syntax/Lexer.h"
#include "syntax/ReservedWordLexeme.h"
#include "syntax/RuleTable.h"
#include "syntax/RuleTrieParser.h"

namespace guard {

namespace IntervalGrammar {

namespace {

enum Symbol : GrammarSymbol {
    kNumber = 0,
    kDayWord = 1,
    kColon = 2,
    kComma = 3,
    kPlus = 4,
    kMinus = 5,
    kDaysPart = 6,
    kClockPart = 7,
    kInterval = 8,
    kEnd = 9,
};

// An exact decimal: units of 10^-18, saturating far beyond any interval
// (10^37 units are 10^19 seconds, more than 64 bits of microseconds hold).
using Decimal = __int128;
constexpr Decimal kOne = Decimal(1000000000000000000LL);
constexpr Decimal kSaturated = kOne * Decimal(10000000000000000000ULL);

Decimal saturate(Decimal value) { return value > kSaturated ? kSaturated : value < -kSaturated ? -kSaturated : value; }
Decimal times(Decimal value, std::int64_t factor)
{
    if (value > kSaturated / factor || value < -kSaturated / factor)
        return value < 0 ? -kSaturated : kSaturated;
    return value * factor;
}

class IntervalAutomaton {
public:
    void Reset() { depth_ = 0; }

    void push(Decimal value)
    {
        if (depth_ == stack_.size())
            throw StackFull();
        stack_[depth_++] = value;
    }
    void days() { stack_[depth_ - 1] = times(stack_[depth_ - 1], 86400); }
    void hoursMinutesSeconds()
    {
        Decimal minutes = saturate(times(stack_[depth_ - 3], 60) + stack_[depth_ - 2]);
        stack_[depth_ - 3] = saturate(times(minutes, 60) + stack_[depth_ - 1]);
        depth_ -= 2;
    }
    void add()
    {
        stack_[depth_ - 2] = saturate(stack_[depth_ - 2] + stack_[depth_ - 1]);
        --depth_;
    }
    void negate() { stack_[depth_ - 1] = -stack_[depth_ - 1]; }

    TimeInterval result() const
    {
        const Decimal micros = stack_[depth_ - 1] / Decimal(1000000000000LL);
        constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
        constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();
        if (micros > most)
            return TimeInterval{most};
        if (micros < least)
            return TimeInterval{least};
        return TimeInterval{std::int64_t(micros)};
    }

private:
    std::array<Decimal, 4> stack_{};
    std::size_t depth_ = 0;
};

using A = IntervalAutomaton;

const RuleTable<A>& intervalTable()
{
    static const RuleTable<A> table(
        kEnd,
        {
            {kDaysPart, {kNumber, kDayWord}, &A::days},
            {kClockPart, {kNumber, kColon, kNumber, kColon, kNumber}, &A::hoursMinutesSeconds},
            {kInterval, {kDaysPart, kComma, kClockPart}, &A::add},
            {kInterval, {kDaysPart}, nullptr},
            {kInterval, {kClockPart}, nullptr},
            {kEnd, {kMinus, kInterval}, &A::negate},
            {kEnd, {kPlus, kInterval}, nullptr},
            {kEnd, {kInterval}, nullptr},
        });
    return table;
}

constexpr ReservedWord<GrammarSymbol> kWords[] = {{"day", kDayWord, 0}, {"days", kDayWord, 0}};
constexpr CharacterSet kBlanks = CharacterSet::of(" \t\r\n");
constexpr CharacterSet kLetters = CharacterSet().withRange('a', 'z').withRange('A', 'Z');

class NumeralAcceptor {
public:
    virtual ~NumeralAcceptor() = default;
    virtual void AcceptNumeral(Decimal value) = 0;
};

// Digits with at most one ".": a second "." ends the numeral.
class DecimalNumeralLexeme final : public Lexeme {
public:
    explicit DecimalNumeralLexeme(NumeralAcceptor& acceptor) : acceptor_(acceptor) { }

    void Begin(TextOffset) override
    {
        value_ = 0;
        inFraction_ = false;
        scale_ = kOne;
    }
    void Accept(TextOffset, TextOffset, LexemeCursor& cursor) override
    {
        for (; !cursor.atEnd(); ++cursor.next) {
            const char c = *cursor.next;
            if (c == '.' && !inFraction_) {
                inFraction_ = true;
                continue;
            }
            if (c < '0' || c > '9')
                break;
            const int digit = c - '0';
            if (!inFraction_) {
                value_ = saturate(times(value_, 10) + digit * kOne);
            } else {
                scale_ /= 10;
                value_ += digit * scale_;
            }
        }
        if (!cursor.atEnd())
            acceptor_.AcceptNumeral(value_);
    }
    void End(TextOffset, TextOffset) override { acceptor_.AcceptNumeral(value_); }

private:
    NumeralAcceptor& acceptor_;
    Decimal value_ = 0;
    Decimal scale_ = kOne;
    bool inFraction_ = false;
};

class IntervalParser final : private Lexer,
                             private EndLexemeAcceptor,
                             private CharacterLexemeAcceptor,
                             private ReservedWordAcceptor<GrammarSymbol>,
                             private NumeralAcceptor {
public:
    IntervalParser()
        : Lexer(static_cast<EndLexemeAcceptor&>(*this)), parser_(intervalTable(), automaton_), blanks_(kBlanks),
          words_(kLetters, wordBuffer_, sizeof wordBuffer_, kWords, *this, copyAsciiLowerCase), numeral_(*this),
          character_(*this)
    {
    }

    TimeInterval read(std::string_view text)
    {
        Start();
        Receive(text.data(), text.data() + text.size());
        Finish();
        return automaton_.result();
    }

private:
    Lexeme& NewLexeme(unsigned char byte) override
    {
        if (kBlanks.contains(byte))
            return blanks_;
        if (kLetters.contains(byte))
            return words_;
        if ((byte >= '0' && byte <= '9') || byte == '.')
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

    void AcceptCharacter(TextOffset, TextOffset, unsigned char byte) override
    {
        switch (byte) {
        case ':': return token(kColon);
        case ',': return token(kComma);
        case '+': return token(kPlus);
        case '-': return token(kMinus);
        default: throw ParsingFailure();
        }
    }
    void AcceptReservedWord(TextOffset, TextOffset, const GrammarSymbol& terminal, std::uint32_t) override
    {
        token(terminal);
    }
    void AcceptUnknownWord(TextOffset, TextOffset, const char*, const char*) override { throw ParsingFailure(); }
    void RejectLongWord(TextOffset, TextOffset) override { throw ParsingFailure(); }
    void AcceptNumeral(Decimal value) override
    {
        parser_.shift(kNumber);
        automaton_.push(value);
        parser_.push();
    }

    IntervalAutomaton automaton_;
    RuleTrieParser<IntervalAutomaton, 16> parser_;
    char wordBuffer_[5];
    IgnoredTextLexeme blanks_;
    ReservedWordLexeme<GrammarSymbol> words_;
    DecimalNumeralLexeme numeral_;
    CharacterLexeme character_;
};

} // namespace

TimeInterval read(std::string_view text)
{
    IntervalParser parser;
    return parser.read(text);
}

} // namespace IntervalGrammar

} // namespace guard
