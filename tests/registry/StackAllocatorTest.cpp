#include <gtest/gtest.h>

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

} // namespace

} // namespace guard
