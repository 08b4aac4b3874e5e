#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Inspectors/Portable/IntegerText.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

constexpr std::optional<std::int64_t> kNone = std::nullopt;

struct ReadCase {
    std::string_view text;
    std::optional<std::int64_t> expected;
};

using IntegerTextTest = ValueAllocatorTest;

TEST_F(IntegerTextTest, DecimalReaderTakesAnOptionalSignAndDigitsOnly)
{
    ReadCase cases[] = {
        {"12", 12},
        {"+12", 12},
        {"-12", -12},
        {"007", 7},
        {"-0", 0},
        {"9223372036854775807", 9223372036854775807},
        {"-9223372036854775808", -9223372036854775807 - 1},
        {"9223372036854775808", kNone},
        {"-9223372036854775809", kNone},
        {"99999999999999999999999", kNone},
        {"", kNone},
        {"+", kNone},
        {"-", kNone},
        {" 12", kNone},
        {"12 ", kNone},
        {"1 2", kNone},
        {"0x1f", kNone},
        {"+-1", kNone},
        {"--1", kNone},
        {"1.0", kNone},
        {"1e3", kNone},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(integerFromText(stringOf(c.text)), c.expected) << '"' << c.text << '"';
}

TEST_F(IntegerTextTest, DecimalWriterRoundTrips)
{
    for (std::int64_t value : {std::int64_t(0), std::int64_t(-1), std::int64_t(42), std::int64_t(9223372036854775807), std::int64_t(-9223372036854775807 - 1)}) {
        String written = integerAsString(value);
        EXPECT_EQ(written.view(), std::to_string(value));
        EXPECT_EQ(integerFromText(written), value);
    }
}

TEST_F(IntegerTextTest, HexadecimalReaderTakesDigitsOfEitherCaseUpToTheGreatestInteger)
{
    ReadCase cases[] = {
        {"0", 0},
        {"ff", 255},
        {"FF", 255},
        {"aBcD", 0xabcd},
        {"0000000000000000000001", 1},
        {"7fffffffffffffff", 9223372036854775807},
        {"8000000000000000", kNone},
        {"ffffffffffffffff", kNone},
        {"10000000000000000", kNone},
        {"", kNone},
        {"0x10", kNone},
        {"-1", kNone},
        {"+1", kNone},
        {"g", kNone},
        {" 1", kNone},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(hexadecimalIntegerFromText(stringOf(c.text)), c.expected) << '"' << c.text << '"';
}

TEST_F(IntegerTextTest, HexadecimalWriterShowsTheTwosComplementPattern)
{
    struct Case {
        std::int64_t value;
        std::string_view expected;
    } cases[] = {
        {0, "0"},
        {255, "ff"},
        {-1, "ffffffffffffffff"},
        {-9223372036854775807 - 1, "8000000000000000"},
        {9223372036854775807, "7fffffffffffffff"},
        {0x1000, "1000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(integerAsHexadecimal(c.value).view(), c.expected);
    EXPECT_EQ(hexadecimalIntegerFromText(integerAsHexadecimal(0x1234abcd)), 0x1234abcd);
}

TEST_F(IntegerTextTest, HexadecimalStringsReadPairsOfDigitsAsBytes)
{
    std::optional<String> bytes = hexadecimalStringFromText(stringOf("41624300fF"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->view(), std::string_view("AbC\0\xff", 5));
    EXPECT_EQ(stringAsHexadecimal(*bytes).view(), "41624300ff");

    std::optional<String> empty = hexadecimalStringFromText(stringOf(""));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_TRUE(stringAsHexadecimal(stringOf("")).empty());

    for (std::string_view bad : {"1", "123", "0g", "g0", " 41", "4 1", "0x41"})
        EXPECT_FALSE(hexadecimalStringFromText(stringOf(bad))) << bad;
}

TEST_F(IntegerTextTest, HexadecimalOfEveryByteRoundTrips)
{
    char all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    String hex = stringAsHexadecimal(String(all, 256));
    ASSERT_EQ(hex.length, 512u);
    EXPECT_EQ(hex.view().substr(0, 8), "00010203");
    EXPECT_EQ(hex.view().substr(504), "fcfdfeff");
    std::optional<String> back = hexadecimalStringFromText(hex);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->view(), std::string_view(all, 256));
}

TEST(IntegerSignificantDigits, RoundsHalfAwayFromZeroAtTheKeptDigits)
{
    struct Case {
        std::int64_t key;
        std::int64_t value;
        std::optional<std::int64_t> expected;
    } cases[] = {
        {2, -1250, -1300},
        {2, 1250, 1300},
        {2, 1249, 1200},
        {3, 1250, 1250},
        {4, 1250, 1250},
        {100, 1250, 1250},
        {1, 95, 100},
        {1, 94, 90},
        {0, 4999, 0},
        {0, 5000, 10000},
        {0, -7, -10},
        {0, 0, 0},
        {1, 0, 0},
        {1, 9223372036854775807, 9000000000000000000},
        {18, 9223372036854775807, kNone},
        {18, 9223372036854775000, 9223372036854775000},
        {19, 9223372036854775807, 9223372036854775807},
        {0, 9223372036854775807, kNone},
        {18, -9223372036854775807 - 1, kNone},
        {17, -9223372036854775807 - 1, -9223372036854775800},
        {19, -9223372036854775807 - 1, -9223372036854775807 - 1},
        {4294967295, 12, 12},
        {4294967296, 12, kNone},
        {-1, 12, kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(significantDigitsOfInteger(c.key, c.value), c.expected) << c.key << " of " << c.value;
}

} // namespace
