#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Inspectors/Portable/BitSets.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

constexpr std::uint64_t kTop = std::uint64_t(1) << 63;

std::optional<std::uint64_t> bitsOf(std::optional<BitSet> set)
{
    return set ? std::optional<std::uint64_t>(set->bits) : std::nullopt;
}

using BitSetsTest = ValueAllocatorTest;

TEST_F(BitSetsTest, NumeralsAreBinaryWithLeadingZerosSkipped)
{
    struct Case {
        std::string text;
        std::optional<std::uint64_t> expected;
    } const cases[] = {
        {"", 0},
        {"0", 0},
        {"0000", 0},
        {"1", 1},
        {"1000", 8},
        {"0001000", 8},
        {"1" + std::string(63, '0'), kTop},
        {std::string(64, '1'), ~std::uint64_t(0)},
        {std::string(100, '0') + std::string(64, '1'), ~std::uint64_t(0)},
        {"1" + std::string(64, '0'), std::nullopt},
        {"2", std::nullopt},
        {"10 1", std::nullopt},
        {" 1", std::nullopt},
        {"0b1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bitsOf(bitSetFromText(stringOf(c.text))), c.expected) << '"' << c.text << '"';
}

TEST_F(BitSetsTest, StringIsTheNumeralWithoutLeadingZeros)
{
    EXPECT_EQ(bitSetAsString(BitSet{0}).view(), "");
    EXPECT_EQ(bitSetAsString(BitSet{1}).view(), "1");
    EXPECT_EQ(bitSetAsString(BitSet{8}).view(), "1000");
    std::string ones(64, '1');
    std::optional<BitSet> full = bitSetFromText(stringOf(ones));
    ASSERT_TRUE(full);
    EXPECT_EQ(bitSetAsString(*full).view(), ones);
    for (std::uint64_t bits : {std::uint64_t(5), kTop | 1, std::uint64_t(0x8000f000)})
        EXPECT_EQ(bitsOf(bitSetFromText(bitSetAsString(BitSet{bits}))), bits);
}

TEST(BitSets, SingleBitsAndTheirIndexes)
{
    EXPECT_EQ(bitsOf(bitSetOfBit(0)), 1u);
    EXPECT_EQ(bitsOf(bitSetOfBit(63)), kTop);
    EXPECT_EQ(bitsOf(bitSetOfBit(64)), std::nullopt);
    EXPECT_EQ(bitsOf(bitSetOfBit(-1)), std::nullopt);

    EXPECT_EQ(bitOfBitSet(3, BitSet{8}), true);
    EXPECT_EQ(bitOfBitSet(2, BitSet{8}), false);
    EXPECT_EQ(bitOfBitSet(63, BitSet{kTop}), true);
    EXPECT_EQ(bitOfBitSet(64, BitSet{kTop}), std::nullopt);
    EXPECT_EQ(bitOfBitSet(-1, BitSet{kTop}), std::nullopt);

    EXPECT_EQ(leastSignificantOneBit(BitSet{8}), 3);
    EXPECT_EQ(leastSignificantOneBit(BitSet{kTop | 8}), 3);
    EXPECT_EQ(mostSignificantOneBit(BitSet{kTop | 8}), 63);
    EXPECT_EQ(mostSignificantOneBit(BitSet{1}), 0);
    EXPECT_EQ(leastSignificantOneBit(BitSet{0}), std::nullopt);
    EXPECT_EQ(mostSignificantOneBit(BitSet{0}), std::nullopt);
}

TEST(BitSets, ShiftsFailWhenASetBitWouldLeaveTheWord)
{
    constexpr std::int64_t kMin = -9223372036854775807 - 1;
    constexpr std::int64_t kMax = 9223372036854775807;
    constexpr std::optional<std::uint64_t> kNone = std::nullopt;
    struct Case {
        std::int64_t key;
        std::uint64_t bits;
        std::optional<std::uint64_t> right;
        std::optional<std::uint64_t> left;
    } cases[] = {
        {0, 5, 5, 5},
        {1, 1, 0, 2},
        {1, 6, 3, 12},
        {63, 1, 0, kTop},
        {63, kTop, 1, kNone},
        {64, 1, 0, kNone},
        {64, kTop, 0, kNone},
        {kMax, 1, 0, kNone},
        {-1, 1, 2, 0},
        {-1, 6, 12, 3},
        {-63, 1, kTop, 0},
        {-63, kTop, kNone, 1},
        {-64, 1, kNone, 0},
        {-64, kTop, kNone, 0},
        {kMin, 1, kNone, 0},
        {2, kTop >> 2, kTop >> 4, kTop},
        {3, kTop >> 2, kTop >> 5, kNone},
        {0, 0, 0, 0},
        {64, 0, 0, 0},
        {-64, 0, 0, 0},
        {kMin, 0, 0, 0},
        {kMax, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bitsOf(rightShiftOfBitSet(c.key, BitSet{c.bits})), c.right) << "right shift " << c.key << " of " << c.bits;
        EXPECT_EQ(bitsOf(leftShiftOfBitSet(c.key, BitSet{c.bits})), c.left) << "left shift " << c.key << " of " << c.bits;
    }
}

TEST(BitSets, OneBitsAreTheSetIndexesInIncreasingOrder)
{
    auto indexes = [](std::uint64_t bits) {
        OneBits plural;
        std::vector<std::int64_t> found;
        std::int64_t index = -1;
        for (bool more = plural.first(index, BitSet{bits}); more; more = plural.next(index))
            found.push_back(index);
        return found;
    };
    EXPECT_EQ(indexes(0), std::vector<std::int64_t>{});
    EXPECT_EQ(indexes(1), std::vector<std::int64_t>{0});
    EXPECT_EQ(indexes(kTop | 0b1010), (std::vector<std::int64_t>{1, 3, 63}));
    EXPECT_EQ(indexes(~std::uint64_t(0)).size(), 64u);
}

TEST(BitSets, SetOperators)
{
    BitSet a{0b1100};
    BitSet b{0b1010};
    EXPECT_EQ(bitSetUnion(a, b).bits, 0b1110u);
    EXPECT_EQ(bitSetDifference(a, b).bits, 0b0100u);
    EXPECT_EQ(bitSetIntersection(a, b).bits, 0b1000u);
    EXPECT_TRUE(bitSetsEqual(a, BitSet{12}));
    EXPECT_FALSE(bitSetsEqual(a, b));
    EXPECT_TRUE(bitSetContains(a, BitSet{0b0100}));
    EXPECT_TRUE(bitSetContains(a, BitSet{0}));
    EXPECT_TRUE(bitSetContains(a, a));
    EXPECT_FALSE(bitSetContains(a, b));
}

TEST(BitSets, IntegerConversionsKeepThePattern)
{
    EXPECT_EQ(integerAsBitSet(-1).bits, ~std::uint64_t(0));
    EXPECT_EQ(integerAsBitSet(-9223372036854775807 - 1).bits, kTop);
    EXPECT_EQ(bitSetAsInteger(BitSet{kTop}), -9223372036854775807 - 1);
    EXPECT_EQ(bitSetAsInteger(integerAsBitSet(12345)), 12345);
}

} // namespace
