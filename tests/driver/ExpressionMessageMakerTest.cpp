// The sentence chosen for each exception at each stage, where the question
// files cannot show it: the fallbacks of each stage and exceptions no
// question raises.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "driver/ExpressionMessageMaker.h"

namespace guard {

namespace {

GUARD_EXCEPTION(SomethingElse, DebuggableException);

enum class Stage { Understanding, Evaluation, Conversion };

std::string describe(Stage stage, const std::function<void()>& thrower)
{
    ExpressionMessageMaker maker;
    try {
        thrower();
    } catch (...) {
        switch (stage) {
        case Stage::Understanding: maker.describeUnderstandingFailure(); break;
        case Stage::Evaluation: maker.describeEvaluationFailure(); break;
        case Stage::Conversion: maker.describeConversionFailure(); break;
        }
    }
    return std::string(maker.message());
}

struct Case {
    Stage stage;
    std::function<void()> thrower;
    std::string message;
};

TEST(ExpressionMessageMaker, SentencesByClassAndStage)
{
    const Stage U = Stage::Understanding, E = Stage::Evaluation, C = Stage::Conversion;
    const Case cases[] = {
        {E, [] { throw ParsingFailure(); }, "This expression could not be parsed."},
        {U, [] { throw InspectorBlacklisted("name of <type>"); }, "The inspector 'name of <type>' is blacklisted."},
        {U, [] { throw std::bad_alloc(); }, "There's not enough memory."},
        // the shared table does not know evaluation failures
        {U, [] { throw ArgumentDoesNotExist(); }, "The expression could not be understood: class ArgumentDoesNotExist"},
        {U, [] { throw std::runtime_error("x"); }, "The expression could not be understood for an unknown reason."},
        {U, [] { throw 7; }, "The expression could not be understood for an unknown reason."},
        {E, [] { throw ValueNotConverted(); }, "Could not convert value to required type."},
        {E, [] { throw InspectorInterruption(); }, "Inspector interrupted."},
        {E, [] { throw NoInspectorContext(); }, "No inspector context."},
        {E, [] { throw CannotEvaluateNow(); }, "Cannot evaluate expression now or in this context."},
        {E, [] { throw NoSuchObject(); }, "The expression could not be evaluated: class NoSuchObject"},
        {E, [] { throw SomethingElse(); },
         "The expression could not be evaluated: class (anonymous namespace)::SomethingElse"},
        {E, [] { throw std::runtime_error("x"); }, "The expression could not be evaluated for an unknown reason."},
        {E, [] { throw std::bad_alloc(); }, "There's not enough memory."},
        {C, [] { throw ConversionHasWrongType("string", "bits"); },
         "The conversion \"as bits\" does not produce the required type."},
        {C, [] { throw ParsingFailure(); }, "The expression could not be converted: class ParsingFailure"},
        {C, [] { throw std::logic_error("x"); }, "The expression could not be converted for an unknown reason."},
        {C, [] { throw 'c'; }, "The expression could not be converted for an unknown reason."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(c.stage, c.thrower), c.message);
}

TEST(ExpressionMessageMaker, MessagesAreNeverJoined)
{
    ExpressionMessageMaker maker;
    try {
        throw ParsingFailure();
    } catch (...) {
        maker.describeUnderstandingFailure();
    }
    try {
        throw ArgumentNotUnique();
    } catch (...) {
        maker.describeEvaluationFailure();
    }
    EXPECT_EQ(maker.message(), "Singular expression refers to non-unique object.");
}

} // namespace

} // namespace guard
