// Text gathered piece by piece: every byte in order, whatever the pieces
// and however far the buffer grows; a kept buffer serves the next text.
#include "Inspectors/Portable/GrowingText.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace guard {

namespace {

TEST(GrowingText, PiecesOfEverySizeComeOutInOrder)
{
    GrowingText text;
    EXPECT_EQ(text.view(), "");
    EXPECT_NE(text.view().data(), nullptr);
    std::string expected;
    // Empty pieces, pieces with NUL bytes, single bytes and pieces larger
    // than everything before them, up to a few megabytes (past the size at
    // which the C library maps a buffer of its own).
    for (std::size_t size : {0u, 1u, 255u, 1u, 256u, 0u, 4096u, 100000u, 3u, 1u << 20, 7u, 3u << 20}) {
        std::string piece;
        for (std::size_t i = 0; i < size; ++i)
            piece += char(i * 7 + size);
        text.append(piece);
        expected += piece;
        ASSERT_EQ(text.size(), expected.size());
    }
    EXPECT_TRUE(text.view() == expected);
    for (int i = 0; i < 200000; ++i)
        text.append(std::string_view("\0x", 2));
    for (int i = 0; i < 200000; ++i)
        expected.append("\0x", 2);
    EXPECT_TRUE(text.view() == expected);
}

TEST(GrowingText, AKeptBufferServesTheNextTextWithoutItsBytes)
{
    const char* first = nullptr;
    {
        GrowingText text;
        text.append(std::string(1000, 'a'));
        first = text.view().data();
    }
    for (int round = 0; round < 3; ++round) {
        GrowingText text;
        text.append("xyz");
        // Steady state: the buffer the last text left is taken again.
        EXPECT_EQ(text.view().data(), first) << round;
        EXPECT_EQ(text.view(), "xyz");
        text.append(std::string(500, 'b'));
        EXPECT_EQ(text.view(), "xyz" + std::string(500, 'b'));
    }
    {
        // Two texts at once: the second makes a buffer of its own.
        GrowingText one, two;
        one.append("1");
        two.append("2");
        EXPECT_NE(one.view().data(), two.view().data());
        EXPECT_EQ(one.view(), "1");
        EXPECT_EQ(two.view(), "2");
    }
    {
        // A buffer larger than the kept size goes back to the system; the
        // next text still finds the smaller one kept before it.
        GrowingText large;
        large.append(std::string(GrowingText::kKeptCapacity * 2, 'c'));
    }
    GrowingText after;
    after.append("z");
    EXPECT_EQ(after.view(), "z");
    EXPECT_EQ(after.view().data(), first);
}

TEST(GrowingText, AThreadsKeptBufferIsFreedWhenTheThreadEnds)
{
    // The leak checker of the sanitised build fails the run if it is not.
    const char* kept = nullptr;
    std::thread([&] {
        {
            GrowingText text;
            text.append(std::string(300, 'k'));
        }
        GrowingText again;
        again.append("k");
        kept = again.view().data();
        EXPECT_EQ(again.view(), "k");
    }).join();
    EXPECT_NE(kept, nullptr);
}

} // namespace

} // namespace guard
