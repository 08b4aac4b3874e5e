// Binding and lazy evaluation of every construct, on the numbers of the
// catalogue and the small vocabulary of TestVocabulary.
#include <gtest/gtest.h>

#include "TestVocabulary.h"
#include "guard/CaughtException.h"
#include "guard/BindingErrors.h"
#include "guard/GuardEvaluator.h"
#include "registry/InspectorInterrupter.h"

using TestVocabulary::evaluate;
using TestVocabulary::evaluateFirst;
using TestVocabulary::producedValues;

namespace {

struct Case {
    const char* expression;
    const char* outcome;  // values joined by "; ", or "!" and the exception's class
};

void expectOutcomes(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(evaluate(c.expression), c.outcome) << c.expression;
}

TEST(Binding, FailuresAreTheirOwnClasses)
{
    expectOutcomes({
        {"it", "!ItUsedWithoutWhose"},
        {"it + 1", "!ItUsedWithoutWhose"},
        {"(test values 3) + 1", "!SingularExpressionRequired"},
        {"- test values 3", "!SingularExpressionRequired"},
        {"not (true; false)", "!SingularExpressionRequired"},
        {"(true; false) and true", "!SingularExpressionRequired"},
        {"(1; 2) | 3", "!SingularExpressionRequired"},
        {"not 1", "!BooleanExpressionRequired"},
        {"1 and true", "!BooleanExpressionRequired"},
        {"true or 1", "!BooleanExpressionRequired"},
        {"if 1 then 2 else 3", "!BooleanExpressionRequired"},
        {"(1; 2) whose (it)", "!BooleanExpressionRequired"},
        // the type test comes before the singular test
        {"(1; 2) and true", "!BooleanExpressionRequired"},
        {"if true then 1 else \"a\"", "!IncompatibleTypes"},
        {"1; \"a\"", "!IncompatibleTypes"},
        {"1 | \"a\"", "!IncompatibleTypes"},
        {"item 2 of (1, 2)", "!TupleIndexOutOfRange"},
        {"item 0 of 5", "!TupleIndexOutOfRange"},
        {"item (1 + 0) of (1, 2)", "!TupleIndexNotAnIntegerLiteral"},
        {"item 9223372036854775808 of (1, 2)", "!TupleIndexNotAnIntegerLiteral"},
        {"test no such phrase", "!OperationNotDefined"},
        {"1 as test no such cast", "!OperationNotDefined"},
        {"1 + \"a\"", "!OperationNotDefined"},
        {"- \"a\"", "!OperationNotDefined"},
    });
}

TEST(Binding, PluralOperandsAreFineUnderExistsAndNumberOf)
{
    expectOutcomes({
        {"exists test values 3", "True"},
        {"number of test values 3", "3"},
        {"number of (test values 3) + 1", "4"},
        {"if true then (1; 2) else 3", "1; 2"},
        {"if false then nothing else 4", "4"},
        {"if true then 4 else nil", "4"},
    });
}

TEST(Binding, RequiredResultTypes)
{
    // every answer goes through the "string" cast unless it is a string already
    expectOutcomes({
        {"test opaque 2", "opaque"},
        {"test opaque 3", "!ValueNotConverted"},
        {"test opaque 2; test opaque 3", "!ValueNotConverted"},
    });
    EXPECT_EQ(evaluateFirst("test opaque 2; test opaque 3", 1), "opaque");
}

TEST(Evaluation, LiteralsAndSingularChecks)
{
    expectOutcomes({
        {"9223372036854775807", "9223372036854775807"},
        {"9223372036854775808", "!ArgumentDoesNotExist"},
        {"\"\"", ""},
        {"test nothing", "!ArgumentDoesNotExist"},
        {"test nothings", ""},
        {"test boom", "!TestFailure"},
        // a singular phrase of a plural object has one value per object value
        {"test even of (2; 4)", "!ArgumentNotUnique"},
        {"test evens of (2; 4)", "2; 4"},
        {"test even of test nothing", "!ArgumentDoesNotExist"},
    });
    // the second value is an error only when it is asked for
    EXPECT_EQ(evaluateFirst("test even of (2; 4)", 1), "2");
}

TEST(Evaluation, ExistsAndNumberOf)
{
    expectOutcomes({
        {"exists test nothing", "False"},
        {"exists test nothings", "False"},
        {"number of test nothings", "0"},
        {"number of (1; 2; 3)", "3"},
        {"exists (test values 5) whose (it > 4)", "True"},
    });
    // exists stops at the first value: the rest are never computed
    producedValues = 0;
    EXPECT_EQ(evaluate("exists test values 1000"), "True");
    EXPECT_EQ(producedValues, 1);
    EXPECT_EQ(evaluate("exists (2; test even of 3)"), "True");
}

TEST(Evaluation, ShortCircuitsAndConditionals)
{
    expectOutcomes({
        {"false and test boom", "False"},
        {"true or test boom", "True"},
        {"true and test boom", "!TestFailure"},
        {"false or test boom", "!TestFailure"},
        {"true and false", "False"},
        {"false or true", "True"},
        {"if true then 1 else test even of 3", "1"},
        {"if false then test even of 3 else 2", "2"},
        {"if (1 = 1) then \"yes\" else \"no\"", "yes"},
        {"not true", "False"},
        {"not test boom", "!TestFailure"},
    });
}

TEST(Evaluation, BarFallsBackOnAnyFailureOfItsLeft)
{
    expectOutcomes({
        {"test nothing | 7", "7"},
        {"test even of 3 | 7", "7"},
        {"(1 / 0) | 7", "7"},
        {"5 | test even of 3", "5"},
        {"test nothing | test nothing", "!ArgumentDoesNotExist"},
        {"test nothing | test even of 3", "!TestFailure"},
        {"test boom | true", "True"},
        {"(test even of (2; 4)) | 9", "2"},
    });
}

TEST(Evaluation, WhoseFilters)
{
    expectOutcomes({
        {"(test values 6) whose (it mod 2 = 0)", "2; 4; 6"},
        // a condition that fails rejects the value silently
        {"(test values 6) whose (test even of it > 2)", "4; 6"},
        // a plural condition accepts when none of its values is false
        {"(test values 3) whose ((true; false))", ""},
        {"(test values 3) whose ((false; false) whose (it))", "1; 2; 3"},
        {"(test values 3) whose (exists (test values it) whose (it > 1))", "2; 3"},
        // the filter written last is applied first
        {"(test values 9) whose (it > 3) whose (it < 6)", "4; 5"},
        {"test value 3 whose (it > 5)", "!ArgumentDoesNotExist"},
        {"number of (test values 10) whose (it > 5)", "5"},
    });
}

TEST(Evaluation, TuplesItemsCollectionsAndComputedProperties)
{
    expectOutcomes({
        {"(1; 2), (3; 4)", "1, 3; 1, 4; 2, 3; 2, 4"},
        {"1, (2, 3)", "1, 2, 3"},
        {"item 1 of (1, \"b\", 3)", "b"},
        {"items 0 of ((1, 2); (3, 4))", "1; 3"},
        {"item 0 of (test values 2, 5)", "!ArgumentNotUnique"},
        {"(1; 2); (3; 4)", "1; 2; 3; 4"},
        {"test nothings; 1", "1"},
        {"(it * 10) of (1; 2)", "10; 20"},
        {"(it, it + 1) of (test values 2)", "1, 2; 2, 3"},
        {"(test values it) of (test values 3)", "1; 1; 2; 1; 2; 3"},
        {"extrema of (2; 5; 1)", "1, 5"},
    });
}

TEST(Evaluation, PropertiesStreamTheirOperands)
{
    expectOutcomes({
        {"sum of test values 100", "5050"},
        {"sum of test nothings", "0"},
        {"sums of (test values 3)", "6"},
        {"minimum of test nothings", "!ArgumentDoesNotExist"},
        {"unique values of (3; 1; 3; 2; 3)", "1; 2; 3"},
        {"multiplicities of unique values of (3; 1; 3; 2; 3)", "1; 1; 3"},
        // an aggregate starts afresh for every value of an enclosing loop
        {"(sum of test values it) of (test values 3)", "1; 3; 6"},
    });
}

TEST(Evaluation, ReusedEvaluatorStartsAfresh)
{
    GuardEvaluator evaluator(nullptr);
    std::string text = "(test values 3) whose (it > 1)";
    evaluator.lexer().Receive(text.data(), text.data() + text.size());
    evaluator.endInput();
    for (int round = 0; round < 3; ++round) {
        auto value = static_cast<const std::int64_t*>(evaluator.firstValue());
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, 2);
    }
    evaluator.reset();
    text = "1 +";
    evaluator.lexer().Receive(text.data(), text.data() + text.size());
    EXPECT_ANY_THROW(evaluator.endInput());
}

// A context that stops every evaluation at its first interruption point.
class Stopping final : public InspectorContext, public InspectorInterrupter {
public:
    bool keepGoing() override
    {
        ++asked;
        return false;
    }
    void interrupt() override { throw InspectorInterruption(); }
    int asked = 0;
};

TEST(Interruption, WhoseStopsWithin256RejectedValues)
{
    // A thousand values made without any plural property, so that the
    // filter's own interruption point is the first one met.
    const char* digits = "(0; 1; 2; 3; 4; 5; 6; 7; 8; 9)";
    std::string thousand = std::string("(item 0 of (") + digits + ", " + digits + ", " + digits + "))";
    Stopping stopping;
    TestVocabulary::countedValues = 0;
    EXPECT_EQ(evaluate(thousand + " whose (test counted of it)", &stopping), "!InspectorInterruption");
    EXPECT_EQ(TestVocabulary::countedValues, 256);
    EXPECT_EQ(stopping.asked, 1);

    InspectorContext plain;
    EXPECT_EQ(evaluate("number of " + thousand + " whose (test counted of it)", &plain), "0");

    // an interruption inside a condition is no failing condition: it is never swallowed
    EXPECT_EQ(evaluate("(test values 3) whose (exists (test values 1000) whose (it < 0))", &stopping),
              "!InspectorInterruption");
}

TEST(Interruption, IteratedPropertyStopsAfterItsFirstValue)
{
    Stopping stopping;
    // also where its values are consumed in a loop of their own
    producedValues = 0;
    EXPECT_EQ(evaluate("number of (test values 1000) whose (it < 0)", &stopping), "!InspectorInterruption");
    EXPECT_EQ(producedValues, 2);
    EXPECT_EQ(evaluate("sum of test values 1000", &stopping), "!InspectorInterruption");
    EXPECT_EQ(evaluate("number of test values 1000", &stopping), "!InspectorInterruption");
    EXPECT_EQ(evaluateFirst("test values 10", 1, &stopping), "1");
    EXPECT_EQ(evaluate("test values 10", &stopping), "!InspectorInterruption");
    // plain properties and operators are no interruption points
    EXPECT_EQ(evaluate("(1 + 2, 3 * 4)", &stopping), "3, 12");
}

TEST(Interruption, WithoutAnInterrupterNothingStops)
{
    InspectorContext plain;
    EXPECT_EQ(evaluate("number of (test values 100000) whose (it < 0)", &plain), "0");
    // switching the context on one thread finds the new context's interrupter
    Stopping stopping;
    EXPECT_EQ(evaluate("number of test values 1000", &stopping), "!InspectorInterruption");
    EXPECT_EQ(evaluate("number of test values 1000", &plain), "1000");
}

TEST(Interruption, ContextsAreRestoredAfterEveryCall)
{
    InspectorContext outer;
    auto saved = InspectorThread::installContext(&outer);
    Stopping stopping;
    evaluate("test values 10", &stopping);
    EXPECT_EQ(InspectorThread::currentContext(), &outer);
    EXPECT_EQ(&InspectorThread::currentInterrupter(), &DoNotInterrupt::instance);
    EXPECT_EQ(InspectorThread::currentAllocatorOrNull(), nullptr);
    InspectorThread::restoreContext(saved);
}

TEST(CaughtException, CarriesExceptionsOutAndThrowsThemAgain)
{
    auto capture = [](auto thrower) {
        try {
            thrower();
        } catch (...) {
            return captureException();
        }
        return std::unique_ptr<CaughtException>();
    };
    auto incompatible = capture([] { throw IncompatibleTypes("integer", "string"); });
    try {
        incompatible->rethrow();
    } catch (const IncompatibleTypes& e) {
        EXPECT_EQ(e.first(), "integer");
        EXPECT_EQ(e.second(), "string");
    }
    auto standard = capture([] { throw std::runtime_error("plain words"); });
    EXPECT_THROW(standard->rethrow(), CopiedStdException);
    EXPECT_EQ(standard->message(), "plain words");
    // a program exception without a capture function of its own is carried
    // as a standard exception, with its text
    auto other = capture([] { throw TestFailure(); });
    EXPECT_EQ(other->message(), "class TestFailure");
    auto unknown = capture([] { throw 42; });
    EXPECT_THROW(unknown->rethrow(), ExceptionCannotBeCopied);
}

} // namespace
