// Counts heap allocations while plural expressions stream a million values:
// once the allocator's chunks have grown, values cost no heap memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "guard/GuardEvaluator.h"
#include "registry/CoreValues.h"

namespace {
bool counting = false;
long allocations = 0;
} // namespace

void* operator new(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (counting)
        ++allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept
{
    return operator new(size, nothrow);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

// Evaluates `text` as strings, counting the heap allocations made after the
// first `warmUp` values; returns the number of values.
long streamValues(const std::string& text, long warmUp, long& allocationsAfterWarmUp)
{
    GuardEvaluator evaluator(nullptr);
    evaluator.lexer().Receive(text.data(), text.data() + text.size());
    evaluator.endInput();
    evaluator.requireResultType("string", "string");
    long count = 0;
    allocations = 0;
    for (const void* value = evaluator.firstValue(); value; value = evaluator.nextValue()) {
        if (++count == warmUp)
            counting = true;
    }
    counting = false;
    allocationsAfterWarmUp = allocations;
    return count;
}

TEST(EvaluationAllocation, CountingHookWorks)
{
    allocations = 0;
    counting = true;
    delete new long(1);
    counting = false;
    EXPECT_EQ(allocations, 1);
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
        std::string question = text;
        evaluator.lexer().Receive(question.data(), question.data() + question.size());
        evaluator.endInput();
        evaluator.firstValue();  // warms up the allocator and the lookups
        allocations = 0;
        counting = true;
        const void* value = evaluator.firstValue();
        counting = false;
        EXPECT_NE(value, nullptr) << text;
        EXPECT_EQ(allocations, 0) << text;
    }
}

} // namespace
