#include <gtest/gtest.h>

#include <stdexcept>

#include "driver/CommandLine.h"
#include "driver/ExceptionGuard.h"
#include "platform/DebuggableException.h"

namespace guard {

namespace {
GUARD_EXCEPTION(SetUpBroke, DebuggableException);
}

TEST(CommandLine, OnlyAsciiLettersFold)
{
    EXPECT_TRUE(equalsIgnoringAsciiCase("eVALxml", "EvalXML"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("EvalXM", "EvalXML"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Tim\xC9s", "Tim\xE9s"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Times ", "Times"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("[", "{")); // 0x5B and 0x7B differ by the case bit
}

TEST(ExceptionGuard, TurnsExceptionsIntoMessageAndCode)
{
    struct Case {
        void (*thrower)();
        const char* message;
    } cases[] = {
        {[] { throw SetUpBroke(); }, "\nError: class (anonymous namespace)::SetUpBroke\n"},
        {[] { throw std::runtime_error("plain"); }, "\nError: plain\n"},
        {[] { throw 42; }, "Unhandled exception\n"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        int code = runGuarded(kStartUpExceptionExit, [&] {
            c.thrower();
            return 0;
        });
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(code, -2);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(runGuarded(kModeExceptionExit, [] { return 7; }), 7);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace guard
