#include <gtest/gtest.h>

#include <string>

#include "pipeline/FixedOutputRange.h"

TEST(FixedOutputRange, AppendsUpToItsCapacity)
{
    FixedBuffer<4> buffer;
    buffer.Append('a');
    buffer.Append("bc", "bc" + 2);
    EXPECT_EQ(buffer.Room(), 1u);
    EXPECT_THROW(buffer.Append("de", "de" + 2), DataOverflow);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "abc");
    buffer.Append('d');
    EXPECT_TRUE(buffer.IsFull());
    EXPECT_THROW(buffer.Append('e'), DataOverflow);
    buffer.Append("", "" + 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "abcd");
    buffer.Clear();
    EXPECT_TRUE(buffer.IsEmpty());
}

TEST(FixedOutputRange, IndexingAndAdvancingStayInside)
{
    char storage[3];
    FixedOutputRange range(storage, storage + 3);
    range[2] = 'z';
    EXPECT_EQ(storage[2], 'z');
    EXPECT_THROW(range[3], DataOverflow);
    range.Cursor()[0] = 'x';
    range.Advance(1);
    EXPECT_THROW(range.Advance(3), DataOverflow);
    EXPECT_EQ(range.Size(), 1u);
    EXPECT_EQ(range.Capacity(), 3u);
}
