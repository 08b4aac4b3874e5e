#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "registry/StackAllocator.h"

namespace guard {

namespace {

TEST(StackAllocator, RoundsRequestsToEightBytes)
{
    InlineStackAllocator<256> allocator;
    char* a = static_cast<char*>(allocator.allocate(0));
    char* b = static_cast<char*>(allocator.allocate(13));
    char* c = static_cast<char*>(allocator.allocate(1));
    EXPECT_EQ(b - a, 8);
    EXPECT_EQ(c - b, 16);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(a) % 8, 0u);
}

TEST(StackAllocator, GrowsByDoublingAndKeepsOneSpare)
{
    InlineStackAllocator<64> allocator; // 32 bytes of data after the header
    auto start = allocator.mark();
    allocator.allocate(24);
    EXPECT_EQ(allocator.chunkCount(), 1u);
    allocator.allocate(16); // does not fit: a chunk of twice the data size
    EXPECT_EQ(allocator.chunkCount(), 2u);
    EXPECT_EQ(allocator.currentChunkDataSize(), 64u);
    allocator.allocate(100); // larger than twice: the request's size
    EXPECT_EQ(allocator.chunkCount(), 3u);
    EXPECT_EQ(allocator.currentChunkDataSize(), 128u);

    // Releasing two chunks back leaves exactly one spare.
    allocator.release(start);
    EXPECT_EQ(allocator.chunkCount(), 1u);
    EXPECT_TRUE(allocator.hasSpare());
    EXPECT_EQ(allocator.mark().position, start.position);

    // The spare serves the next overflow when it is big enough.
    allocator.allocate(32);
    allocator.allocate(8);
    EXPECT_EQ(allocator.chunkCount(), 2u);
    EXPECT_FALSE(allocator.hasSpare());
}

TEST(StackAllocator, ReleaseWithinAChunkReusesTheSameMemory)
{
    InlineStackAllocator<128> allocator;
    auto mark = allocator.mark();
    void* first = allocator.allocate(40);
    allocator.release(mark);
    EXPECT_EQ(allocator.allocate(40), first);
}

TEST(StackAllocator, CrossingAChunkBoundaryRepeatedlyAllocatesOnce)
{
    InlineStackAllocator<64> allocator;
    allocator.allocate(24);
    auto mark = allocator.mark();
    for (int i = 0; i < 1000; ++i) {
        allocator.allocate(16);
        allocator.release(mark);
    }
    EXPECT_EQ(allocator.chunkCount(), 1u);
    EXPECT_TRUE(allocator.hasSpare());
}

// Finalisers: each appends its number to a log, so the order is visible.
struct FinalizerLog {
    std::vector<int> order;
};

struct LoggedFinalizer {
    FinalizerLog* log;
    int number;
    static void run(void* argument) noexcept
    {
        auto* self = static_cast<LoggedFinalizer*>(argument);
        self->log->order.push_back(self->number);
    }
};

// A finaliser whose argument lives in the allocator next to its record, as a
// value's own data does.
void addLogged(StackAllocatorBase& allocator, FinalizerLog& log, int number)
{
    auto* entry = new (allocator.allocate(sizeof(LoggedFinalizer))) LoggedFinalizer{&log, number};
    allocator.addFinalizer(&LoggedFinalizer::run, entry);
}

TEST(StackAllocatorFinalizers, RunNewestFirstWhenReleasedBelowThem)
{
    FinalizerLog log;
    InlineStackAllocator<256> allocator;
    addLogged(allocator, log, 1);
    auto middle = allocator.mark();
    addLogged(allocator, log, 2);
    addLogged(allocator, log, 3);
    allocator.release(middle);
    EXPECT_EQ(log.order, (std::vector<int>{3, 2}));
    EXPECT_EQ(allocator.finalizerCount(), 1u);
    // Releasing to the same mark again runs nothing more.
    allocator.release(middle);
    EXPECT_EQ(log.order.size(), 2u);
}

TEST(StackAllocatorFinalizers, AMarkTakenAfterAFinalizerKeepsIt)
{
    FinalizerLog log;
    InlineStackAllocator<256> allocator;
    addLogged(allocator, log, 1);
    auto after = allocator.mark();
    allocator.allocate(40);
    allocator.release(after);
    EXPECT_TRUE(log.order.empty());
}

TEST(StackAllocatorFinalizers, AStaleMarkRunsNone)
{
    FinalizerLog log;
    InlineStackAllocator<256> allocator;
    auto start = allocator.mark();
    addLogged(allocator, log, 1);
    auto stale = allocator.mark();
    allocator.release(start);
    EXPECT_EQ(log.order, (std::vector<int>{1}));
    addLogged(allocator, log, 2);
    // `stale` counts one finaliser, as many as there are now: none runs.
    allocator.release(stale);
    EXPECT_EQ(log.order, (std::vector<int>{1}));
    allocator.release(start);
    EXPECT_EQ(log.order, (std::vector<int>{1, 2}));
}

TEST(StackAllocatorFinalizers, RunAcrossChunksBeforeTheirMemoryGoes)
{
    FinalizerLog log;
    InlineStackAllocator<64> allocator; // 32 bytes: every record overflows soon
    auto start = allocator.mark();
    for (int i = 0; i < 50; ++i) {
        addLogged(allocator, log, i);
        allocator.allocate(24);
    }
    EXPECT_GT(allocator.chunkCount(), 2u);
    allocator.release(start);
    ASSERT_EQ(log.order.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(log.order[std::size_t(i)], 49 - i);
    EXPECT_EQ(allocator.chunkCount(), 1u);
}

TEST(StackAllocatorFinalizers, TheDestructorRunsWhatIsLeft)
{
    FinalizerLog log;
    {
        InlineStackAllocator<64> allocator;
        addLogged(allocator, log, 1);
        allocator.allocate(100);
        addLogged(allocator, log, 2);
    }
    EXPECT_EQ(log.order, (std::vector<int>{2, 1}));
}

TEST(StackAllocatorFinalizers, ALoopOfAddAndReleaseStaysInOneChunk)
{
    FinalizerLog log;
    InlineStackAllocator<256> allocator;
    auto mark = allocator.mark();
    for (int i = 0; i < 10000; ++i) {
        addLogged(allocator, log, i);
        allocator.release(mark);
    }
    EXPECT_EQ(log.order.size(), 10000u);
    EXPECT_EQ(allocator.chunkCount(), 1u);
    EXPECT_FALSE(allocator.hasSpare());
    EXPECT_EQ(allocator.finalizerCount(), 0u);
}

} // namespace

} // namespace guard
