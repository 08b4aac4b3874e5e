#include <gtest/gtest.h>

#include "syntax/SegmentedStack.h"

namespace guard {

TEST(SegmentedStack, GrowsBeyondTheInlineBlockAndReadsAcrossBlocks)
{
    SegmentedStack<int, 3> stack;
    EXPECT_TRUE(stack.empty());
    for (int i = 0; i < 20; ++i)
        stack.push(i);
    // Blocks of 3 (inline), 6, 12: the third heap block holds the last two.
    EXPECT_EQ(stack.heapBlocks(), 2u);
    EXPECT_EQ(stack.size(), 20u);
    for (int n = 0; n < 20; ++n)
        EXPECT_EQ(stack.below(std::size_t(n)), 19 - n);

    stack.pop(11); // down to 9 entries: exactly the inline and first heap block
    EXPECT_EQ(stack.top(), 8);
    EXPECT_EQ(stack.size(), 9u);
    EXPECT_EQ(stack.heapBlocks(), 1u);
    EXPECT_TRUE(stack.hasSpare());
    stack.pop();
    stack.pop();
    stack.pop();
    EXPECT_EQ(stack.top(), 5);
    stack.pop(3);
    EXPECT_EQ(stack.top(), 2);
    EXPECT_EQ(stack.heapBlocks(), 0u);
    EXPECT_TRUE(stack.hasSpare());
    stack.clear();
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(stack.size(), 0u);
}

TEST(SegmentedStack, KeepsOneSpareSoThatCrossingABoundaryReusesIt)
{
    SegmentedStack<long, 2> stack;
    stack.push(1);
    stack.push(2);
    EXPECT_EQ(stack.heapBlocks(), 0u);
    for (int round = 0; round < 5; ++round) {
        stack.push(3); // needs a heap block: the spare after the first round
        EXPECT_EQ(stack.heapBlocks(), 1u);
        EXPECT_FALSE(stack.hasSpare());
        EXPECT_EQ(stack.below(1), 2);
        stack.pop();
        EXPECT_EQ(stack.heapBlocks(), 0u);
        EXPECT_TRUE(stack.hasSpare());
        EXPECT_EQ(stack.top(), 2);
    }
    // Values written through the returned slot stay put while the stack grows.
    long& slot = stack.push();
    slot = 42;
    for (int i = 0; i < 10; ++i)
        stack.push(i);
    EXPECT_EQ(stack.below(10), 42);
}

#ifndef NDEBUG
TEST(SegmentedStackDeathTest, ReadingOrPoppingPastTheBottomAsserts)
{
    SegmentedStack<int, 2> stack;
    EXPECT_DEATH(stack.pop(), "empty");
    EXPECT_DEATH(stack.top(), "empty");
    for (int i = 0; i < 5; ++i)
        stack.push(i); // into the first heap block
    EXPECT_DEATH(stack.below(5), "size");
    EXPECT_DEATH(stack.pop(6), "size");
    stack.pop(5);
    EXPECT_DEATH(stack.pop(), "empty");
}
#endif

} // namespace guard
