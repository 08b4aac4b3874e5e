// Required result types, lazy evaluation and interruption, on the numbers of
// the catalogue and the small vocabulary of TestVocabulary. What each
// construct answers, and each binding failure, is checked through the
// question files.
#include <gtest/gtest.h>

#include "TestVocabulary.h"
#include "guard/tree/CaughtException.h"
#include "guard/tree/BindingErrors.h"
#include "guard/GuardEvaluator.h"
#include "registry/InspectorInterrupter.h"
#include "support/Questions.h"

namespace guard {

GUARD_EXCEPTION(TestFailure, DebuggableException);

using TestVocabulary::evaluate;
using TestVocabulary::evaluateFirst;
using TestVocabulary::producedValues;

namespace {

struct Case {
    const char* expression;
    const char* outcome; // values joined by "; ", or "!" and the exception's class
};

void expectOutcomes(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(evaluate(c.expression), c.outcome) << c.expression;
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

TEST(Evaluation, ExistsStopsAtTheFirstValue)
{
    producedValues = 0;
    EXPECT_EQ(evaluate("exists test values 1000"), "True");
    EXPECT_EQ(producedValues, 1);
}

TEST(Evaluation, ReusedEvaluatorStartsAfresh)
{
    GuardEvaluator evaluator(nullptr);
    bindQuestion(evaluator, "(test values 3) whose (it > 1)");
    for (int round = 0; round < 3; ++round) {
        auto value = static_cast<const std::int64_t*>(evaluator.firstValue());
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, 2);
    }
    EXPECT_ANY_THROW(bindQuestion(evaluator, "1 +"));
}

TEST(Evaluation, ConstantOperandsAreEvaluatedOncePerTree)
{
    struct Count {
        const char* expression;
        const char* outcome;
        std::int64_t asked;
    };
    const Count counts[] = {
        // a pure inspector of a literal, read as an operand for every value
        {"number of (test values 100) whose (test counted of 7 = false)", "100", 1},
        {"number of (test values 100) whose (it > 0 and test counted of 7 = false)", "100", 1},
        {"number of (test values 100) whose (not test counted of 7)", "100", 1},
        // as part of an operand that is not constant
        {"number of (test values 100) whose ((test counted of 7, it) = (false, it))", "100", 100},
        // not constant: a volatile inspector, or an operand that reads "it"
        {"number of (test values 100) whose (test volatile counted of 7 = false)", "100", 100},
        {"number of (test values 100) whose (test counted of (it - it) = false)", "100", 100},
        // a constant that has no value fails the condition at every reading alike
        {"number of (test values 3) whose (test counted of (\"x\" as integer) = false)", "0", 0},
        {"number of (test values 3) whose (not (test counted of (\"x\" as integer) = false))", "0", 0},
        {"number of (test values 3) whose (exists (it; \"x\" as integer))", "3", 0},
    };
    for (const Count& c : counts) {
        TestVocabulary::countedValues = 0;
        EXPECT_EQ(evaluate(c.expression), c.outcome) << c.expression;
        EXPECT_EQ(TestVocabulary::countedValues, c.asked) << c.expression;
    }

    // the kept value outlives the evaluation: the tree's second run asks nothing
    GuardEvaluator evaluator(nullptr);
    bindQuestion(evaluator, "(test values 5) whose (test counted of 7 = false)");
    TestVocabulary::countedValues = 0;
    for (int round = 0; round < 2; ++round) {
        auto value = static_cast<const std::int64_t*>(evaluator.firstValue());
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, 1);
    }
    EXPECT_EQ(TestVocabulary::countedValues, 1);
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

} // namespace guard
