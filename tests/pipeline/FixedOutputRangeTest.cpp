#include <gtest/gtest.h>

#include <string>

#include "pipeline/FixedOutputRange.h"

namespace guard {

TEST(FixedOutputRange, AppendsUpToItsCapacity)
{
    FixedBuffer<4> buffer;
    buffer.append('a');
    buffer.append("bc", "bc" + 2);
    EXPECT_EQ(buffer.room(), 1u);
    EXPECT_THROW(buffer.append("de", "de" + 2), DataOverflow);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "abc");
    buffer.append('d');
    EXPECT_TRUE(buffer.isFull());
    EXPECT_THROW(buffer.append('e'), DataOverflow);
    buffer.append("", "" + 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "abcd");
    EXPECT_THROW(buffer[4], DataOverflow);
    EXPECT_THROW(buffer.advance(1), DataOverflow);
}

} // namespace guard
