#include "guard/lexer/GuardLexicon.h"

#include <array>

namespace guard {

namespace {

using namespace GuardSymbol;
using Op = GuardOperatorAction;

constexpr bool kSwap = true;
constexpr bool kNegate = true;

constexpr GuardParsingAction kOpenParenthesis(OpenParenthesis);
constexpr GuardParsingAction kCloseParenthesis(CloseParenthesis);
constexpr GuardParsingAction kNot(Not);
constexpr GuardParsingAction kBar(Bar);
constexpr GuardParsingAction kAnd(And);
constexpr GuardParsingAction kOr(Or);
constexpr GuardParsingAction kComma(Comma);
constexpr GuardParsingAction kSemicolon(Semicolon);
constexpr GuardParsingAction kMinus(Minus);
constexpr GuardParsingAction kOf(Of);
constexpr GuardParsingAction kWhose(Whose);
constexpr GuardParsingAction kAs(As);
constexpr GuardParsingAction kExists(Exists);
constexpr GuardParsingAction kExistsNo(ExistsNo);
constexpr GuardParsingAction kIf(If);
constexpr GuardParsingAction kThen(Then);
constexpr GuardParsingAction kElse(Else);
constexpr GuardItAction kIt;

constexpr Op kAdd(Plus, GuardOperator::Add);
constexpr Op kMultiply(Product, GuardOperator::Multiply);
constexpr Op kDivide(Product, GuardOperator::Divide);
constexpr Op kMod(Product, GuardOperator::Mod);
constexpr Op kConcatenate(Product, GuardOperator::Concatenate);
constexpr Op kEqual(Relation, GuardOperator::Equal);
constexpr Op kNotEqual(Relation, GuardOperator::Equal, false, kNegate);
constexpr Op kLess(Relation, GuardOperator::Less);
constexpr Op kNotLess(Relation, GuardOperator::Less, false, kNegate);
constexpr Op kLessOrEqual(Relation, GuardOperator::LessOrEqual);
constexpr Op kNotLessOrEqual(Relation, GuardOperator::LessOrEqual, false, kNegate);
constexpr Op kGreater(Relation, GuardOperator::Less, kSwap);
constexpr Op kNotGreater(Relation, GuardOperator::Less, kSwap, kNegate);
constexpr Op kGreaterOrEqual(Relation, GuardOperator::LessOrEqual, kSwap);
constexpr Op kNotGreaterOrEqual(Relation, GuardOperator::LessOrEqual, kSwap, kNegate);
constexpr Op kStartsWith(Relation, GuardOperator::StartsWith);
constexpr Op kNotStartsWith(Relation, GuardOperator::StartsWith, false, kNegate);
constexpr Op kEndsWith(Relation, GuardOperator::EndsWith);
constexpr Op kNotEndsWith(Relation, GuardOperator::EndsWith, false, kNegate);
constexpr Op kContains(Relation, GuardOperator::Contains);
constexpr Op kNotContains(Relation, GuardOperator::Contains, false, kNegate);
constexpr Op kContainedBy(Relation, GuardOperator::Contains, kSwap);
constexpr Op kNotContainedBy(Relation, GuardOperator::Contains, kSwap, kNegate);

constexpr std::array<GuardSpelling, 43> kKeywords{{
    {"and ", &kAnd},
    {"as ", &kAs},
    {"contains ", &kContains},
    {"does not contain ", &kNotContains},
    {"does not end with ", &kNotEndsWith},
    {"does not equal ", &kNotEqual},
    {"does not start with ", &kNotStartsWith},
    {"else ", &kElse},
    {"ends with ", &kEndsWith},
    {"equals ", &kEqual},
    {"exist ", &kExists},
    {"exist no ", &kExistsNo},
    {"exists ", &kExists},
    {"exists no ", &kExistsNo},
    {"if ", &kIf},
    {"is ", &kEqual},
    {"is contained by ", &kContainedBy},
    {"is equal to ", &kEqual},
    {"is greater than ", &kGreater},
    {"is greater than or equal to ", &kGreaterOrEqual},
    {"is less than ", &kLess},
    {"is less than or equal to ", &kLessOrEqual},
    {"is not ", &kNotEqual},
    {"is not contained by ", &kNotContainedBy},
    {"is not equal to ", &kNotEqual},
    {"is not greater than ", &kNotGreater},
    {"is not greater than or equal to ", &kNotGreaterOrEqual},
    {"is not less than ", &kNotLess},
    {"is not less than or equal to ", &kNotLessOrEqual},
    {"it ", &kIt},
    {"mod ", &kMod},
    {"not ", &kNot},
    {"of ", &kOf},
    {"or ", &kOr},
    {"starts with ", &kStartsWith},
    {"then ", &kThen},
    {"there do not exist ", &kExistsNo},
    {"there does not exist ", &kExistsNo},
    {"there exist ", &kExists},
    {"there exist no ", &kExistsNo},
    {"there exists ", &kExists},
    {"there exists no ", &kExistsNo},
    {"whose ", &kWhose},
}};

constexpr std::array<GuardSpelling, 16> kOperators{{
    {"!=", &kNotEqual},
    {"&", &kConcatenate},
    {"(", &kOpenParenthesis},
    {")", &kCloseParenthesis},
    {"*", &kMultiply},
    {"+", &kAdd},
    {",", &kComma},
    {"-", &kMinus},
    {"/", &kDivide},
    {";", &kSemicolon},
    {"<", &kLess},
    {"<=", &kLessOrEqual},
    {"=", &kEqual},
    {">", &kGreater},
    {">=", &kGreaterOrEqual},
    {"|", &kBar},
}};

template <std::size_t N>
constexpr bool sortedByBytes(const std::array<GuardSpelling, N>& table)
{
    for (std::size_t i = 1; i < N; ++i)
        if (!(table[i - 1].spelling < table[i].spelling))
            return false;
    return true;
}
static_assert(sortedByBytes(kKeywords) && sortedByBytes(kOperators));

template <std::size_t N>
constexpr std::array<SpellingRange, 256> firstByteRanges(const std::array<GuardSpelling, N>& table)
{
    std::array<SpellingRange, 256> ranges{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        std::uint16_t low = 0;
        while (low < N && static_cast<unsigned char>(table[low].spelling[0]) < byte)
            ++low;
        std::uint16_t high = low;
        while (high < N && static_cast<unsigned char>(table[high].spelling[0]) == byte)
            ++high;
        ranges[byte] = SpellingRange{low, high, 1};
    }
    return ranges;
}

constexpr std::array<SpellingRange, 256> kKeywordsByFirstByte = firstByteRanges(kKeywords);
constexpr std::array<SpellingRange, 256> kOperatorsByFirstByte = firstByteRanges(kOperators);
constexpr SpellingTable kKeywordTable{kKeywords, kKeywordsByFirstByte.data()};
constexpr SpellingTable kOperatorTable{kOperators, kOperatorsByFirstByte.data()};

} // namespace

const SpellingTable& guardKeywords() { return kKeywordTable; }

const SpellingTable& guardOperators() { return kOperatorTable; }

} // namespace guard
