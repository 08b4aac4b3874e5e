// Counts heap countedAllocations.count while plural expressions stream a million values:
// once the allocator's chunks have grown, values cost no heap memory.
#include <gtest/gtest.h>

#include <string>

#include "guard/GuardEvaluator.h"
#include "registry/CoreValues.h"

#include "support/CountedAllocations.h"
#include "support/Questions.h"

namespace guard {

namespace {

// Evaluates `text` as strings, counting the heap countedAllocations.count made after the
// first `warmUp` values; returns the number of values.
long streamValues(const std::string& text, long warmUp, long& allocationsAfterWarmUp)
{
    GuardEvaluator evaluator(nullptr);
    bindQuestion(evaluator, text);
    evaluator.requireResultType("string", "string");
    long count = 0;
    countedAllocations.count = 0;
    forEachValue(evaluator, [&](const void*) {
        if (++count == warmUp)
            countedAllocations.counting = true;
    });
    countedAllocations.counting = false;
    allocationsAfterWarmUp = countedAllocations.count;
    return count;
}

TEST(EvaluationAllocation, CountingHookWorks)
{
    countedAllocations.count = 0;
    countedAllocations.counting = true;
    // Through a volatile pointer: an optimiser may drop a new whose result
    // is only deleted.
    long* volatile kept = new long(1);
    delete kept;
    countedAllocations.counting = false;
    EXPECT_EQ(countedAllocations.count, 1);
}

TEST(EvaluationAllocation, StreamingAMillionValuesAllocatesNothingPerValue)
{
    const char* expressions[] = {
        "integers in (1, 1000000)",
        "(integers in (1, 2000000)) whose (it mod 2 = 0)",
        "(it * 2, it as string) of integers in (1, 1000000)",
        "(integers in (1, 1000)) , (integers in (1, 1000))",
    };
    for (const char* text : expressions) {
        long after = -1;
        EXPECT_EQ(streamValues(text, 1000, after), 1000000) << text;
        EXPECT_EQ(after, 0) << text;
    }
}

TEST(EvaluationAllocation, AggregatesOverAMillionValuesAllocateNothingPerValue)
{
    const char* expressions[] = {
        "number of integers in (1, 1000000)",
        "sum of integers in (1, 1000000)",
        "number of (integers in (1, 1000000)) whose (it mod 3 = 0)",
        "maximum of (integers in (1, 1000000))",
    };
    for (const char* text : expressions) {
        GuardEvaluator evaluator(nullptr);
        bindQuestion(evaluator, text);
        evaluator.firstValue(); // warms up the allocator and the lookups
        countedAllocations.count = 0;
        countedAllocations.counting = true;
        const void* value = evaluator.firstValue();
        countedAllocations.counting = false;
        EXPECT_NE(value, nullptr) << text;
        EXPECT_EQ(countedAllocations.count, 0) << text;
    }
}

} // namespace

} // namespace guard

namespace guard {

namespace {

// The pieces of a split and the text before each occurrence are views into the
// string: none of them costs heap memory.
TEST(EvaluationAllocation, SplittingAMillionPiecesAllocatesNothingPerPiece)
{
    const char* joined = "concatenation \",\" of ((integers in (1, 1000000)) as string)";
    const std::string expressions[] = {
        std::string("substrings separated by \",\" of ") + joined,
        std::string("substrings after \",\" of ") + joined,
        std::string("(preceding text of it) of substrings \",\" of ") + joined,
    };
    for (const std::string& text : expressions) {
        long after = -1;
        EXPECT_GE(streamValues(text, 1000, after), 999999) << text;
        EXPECT_EQ(after, 0) << text;
    }
}

} // namespace

} // namespace guard
