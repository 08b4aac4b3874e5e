#include <gtest/gtest.h>

#include <string>

#include "pipeline/FixedOutputRange.h"

namespace guard {

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
    EXPECT_THROW(buffer[4], DataOverflow);
    EXPECT_THROW(buffer.Advance(1), DataOverflow);
}

} // namespace guard
