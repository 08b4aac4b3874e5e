#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "syntax/RuleTrieParser.h"

namespace guard {

namespace {

// Arithmetic over one-digit numbers, evaluated in reverse-Polish order.
// Terminals: 0 digit, 1 "+", 2 "*", 3 "(", 4 ")"; non-terminals: 5 factor,
// 6 term, 7 the operand of "+" (a finished term), 8 sum, 9 expression (what
// parentheses enclose); 10 is the end symbol. As in every grammar for this
// engine, a binary operator's right operand is a symbol reached from the
// tighter level only by a unit rule, so that the engine reduces it only when
// the next token does not continue the tighter level.
class Calculator {
public:
    void Reset()
    {
        values.clear();
        trace.clear();
    }
    void Add() { combine('+'); }
    void Multiply() { combine('*'); }
    void Done() { trace += "done"; }

    std::vector<long> values;
    std::string trace;

private:
    void combine(char op)
    {
        long right = values.back();
        values.pop_back();
        values.back() = op == '+' ? values.back() + right : values.back() * right;
        trace += op;
    }
};

const RuleTable<Calculator>& calculatorGrammar()
{
    static const RuleTable<Calculator> table(10,
                                             {
                                                 {5, {3, 9, 4}, nullptr},
                                                 {5, {0}, nullptr},
                                                 {6, {6, 2, 5}, &Calculator::Multiply},
                                                 {6, {5}, nullptr},
                                                 {7, {6}, nullptr},
                                                 {8, {8, 1, 7}, &Calculator::Add},
                                                 {8, {7}, nullptr},
                                                 {9, {8}, nullptr},
                                                 {10, {9}, &Calculator::Done},
                                             });
    return table;
}

struct CalculatorParser {
    Calculator calculator;
    RuleTrieParser<Calculator, 2> engine{calculatorGrammar(), calculator};

    long run(std::string_view text)
    {
        engine.reset();
        for (char c : text) {
            GrammarSymbol symbol = c == '+' ? 1 : c == '*' ? 2 : c == '(' ? 3 : c == ')' ? 4 : 0;
            engine.shift(symbol);
            if (symbol == 0)
                calculator.values.push_back(c - '0');
            engine.push();
        }
        engine.finish();
        EXPECT_TRUE(engine.accepted());
        EXPECT_EQ(calculator.values.size(), 1u);
        return calculator.values.back();
    }
};

TEST(RuleTrieParser, RegistrationOrderGivesPrecedenceAndLeftGrouping)
{
    struct Case {
        std::string_view text;
        long value;
        std::string_view trace;
    };
    const Case cases[] = {
        {"7", 7, "done"},
        {"1+2*3", 7, "*+done"},
        {"2*3+4", 10, "*+done"},
        {"(1+2)*3", 9, "+*done"},
        {"2*(3+4)*5", 70, "+**done"},
        {"1+2+3*4*5", 63, "+**+done"},
        {"((((((((9))))))))", 9, "done"}, // deeper than the inline block
    };
    CalculatorParser parser;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text);
        EXPECT_EQ(parser.run(test.text), test.value) << test.text;
        EXPECT_EQ(parser.calculator.trace, test.trace) << test.text;
        EXPECT_TRUE(parser.engine.positions().empty());
    }
}

TEST(RuleTrieParser, SequencesOutsideTheGrammarFail)
{
    // A token after a complete sentence, a missing operand, an unbalanced or
    // empty parenthesis, end of input inside a rule, an empty input.
    for (std::string_view text : {"1 2", "12", "1+", "+1", "(1", "1)", "()", "1*(2+)", ""}) {
        std::string spaced;
        for (char c : text)
            if (c != ' ')
                spaced += c;
        CalculatorParser parser;
        EXPECT_THROW(parser.run(spaced), ParsingFailure) << "«" << text << "»";
    }
}

TEST(RuleTrieParser, TriesShareCommonPrefixesInRegistrationOrder)
{
    const RuleTable<Calculator>& table = calculatorGrammar();
    EXPECT_EQ(table.ruleCount(), 9u);
    // Rules starting with "term": "term * factor" first, then the unit rule.
    const RuleNode<Calculator>* term = table.start(6);
    ASSERT_NE(term, nullptr);
    EXPECT_EQ(term->expected, 2);
    ASSERT_NE(term->sibling, nullptr);
    EXPECT_TRUE(term->sibling->isEnd());
    EXPECT_EQ(term->sibling->expected, 10);
    EXPECT_EQ(term->sibling->rule.left, 7);
    EXPECT_EQ(table.start(4), nullptr); // no rule starts with ")"

    // A shared prefix is stored once; a duplicate rule is refused.
    RuleTable<Calculator> shared(4, {{3, {0, 1, 2}, nullptr}, {3, {0, 1}, nullptr}, {3, {0, 2}, nullptr}});
    const RuleNode<Calculator>* after0 = shared.start(0);
    EXPECT_EQ(after0->expected, 1);
    EXPECT_EQ(after0->child->expected, 2);
    EXPECT_TRUE(after0->child->sibling->isEnd());
    EXPECT_EQ(after0->child->sibling->rule.length, 2);
    EXPECT_EQ(after0->sibling->expected, 2);
    EXPECT_THROW(RuleTable<Calculator>(4, {{3, {0, 1}, nullptr}, {3, {0, 1}, nullptr}}), std::logic_error);
}

} // namespace

} // namespace guard
