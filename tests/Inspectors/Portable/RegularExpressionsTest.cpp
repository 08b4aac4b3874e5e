// A regex node compiles its pattern once however many items ask for it, and
// again only when the pattern changes.
#include <gtest/gtest.h>

#include <string>

#include "Inspectors/Portable/RegExp/RegexCompilations.h"
#include "guard/GuardEvaluator.h"
#include "registry/CoreValues.h"

namespace guard {

namespace {

std::int64_t countOf(const std::string& question)
{
    GuardEvaluator evaluator(nullptr);
    evaluator.lexer().Receive(question.data(), question.data() + question.size());
    evaluator.endInput();
    const void* value = evaluator.firstValue();
    EXPECT_NE(value, nullptr) << question;
    std::int64_t count = value ? *static_cast<const std::int64_t*>(value) : -1;
    evaluator.stop();
    return count;
}

TEST(RegularExpressions, AWhoseClauseCompilesItsRegexOnce)
{
    std::uint64_t before = regexCompilations();
    EXPECT_EQ(countOf("number of (integers in (1, 1000)) whose ((it as string) contains regex \"^[0-9]*7[0-9]*$\")"),
              271);
    EXPECT_EQ(regexCompilations() - before, 1u);
}

TEST(RegularExpressions, AnotherPatternIsCompiledAgain)
{
    std::uint64_t before = regexCompilations();
    EXPECT_EQ(countOf("number of (integers in (1, 100)) whose ((it as string) contains regex (it as string))"), 100);
    EXPECT_EQ(regexCompilations() - before, 100u);
}

} // namespace

} // namespace guard
