#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "pipeline/FixedOutputRange.h"

namespace guard {

TEST(FixedOutputRange, AppendsUpToItsCapacity)
{
    const std::string_view bc = "bc", de = "de", none;
    FixedBuffer<4> buffer;
    buffer.append('a');
    buffer.append(bc.data(), bc.data() + bc.size());
    EXPECT_EQ(buffer.room(), 1u);
    EXPECT_THROW(buffer.append(de.data(), de.data() + de.size()), DataOverflow);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "abc");
    buffer.append('d');
    EXPECT_TRUE(buffer.isFull());
    EXPECT_THROW(buffer.append('e'), DataOverflow);
    buffer.append(none.data(), none.data());
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "abcd");
    EXPECT_THROW(buffer[4], DataOverflow);
    EXPECT_THROW(buffer.advance(1), DataOverflow);
}

} // namespace guard
