#include <gtest/gtest.h>

#include "Inspectors/Portable/Hertz.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

constexpr std::int64_t kMax = 9223372036854775807;
constexpr std::int64_t kMin = -kMax - 1;

std::optional<std::int64_t> countOf(std::optional<Hertz> hertz)
{
    return hertz ? std::optional<std::int64_t>(hertz->count) : std::nullopt;
}

using HertzTest = ValueAllocatorTest;

TEST(Hertz, UnitsAndLimits)
{
    EXPECT_EQ(hz().count, 1);
    EXPECT_EQ(khz().count, 1000);
    EXPECT_EQ(mhz().count, 1000000);
    EXPECT_EQ(ghz().count, 1000000000);
    EXPECT_EQ(greatestHz().count, kMax);
    EXPECT_EQ(leastHz().count, kMin);
}

TEST(Hertz, ArithmeticIsThatOfIntegers)
{
    EXPECT_EQ(countOf(addHertz(ghz(), mhz())), 1001000000);
    EXPECT_EQ(countOf(addHertz(greatestHz(), hz())), std::nullopt);
    EXPECT_EQ(countOf(subtractHertz(leastHz(), hz())), std::nullopt);
    EXPECT_EQ(countOf(subtractHertz(khz(), mhz())), -999000);
    EXPECT_EQ(countOf(multiplyHertzByInteger(ghz(), 3)), 3000000000);
    EXPECT_EQ(countOf(multiplyIntegerByHertz(-2, khz())), -2000);
    EXPECT_EQ(countOf(multiplyIntegerByHertz(kMax, Hertz{2})), std::nullopt);
    EXPECT_EQ(countOf(divideHertzByInteger(Hertz{-7}, 2)), -4);
    EXPECT_EQ(countOf(divideHertzByInteger(leastHz(), -1)), std::nullopt);
    EXPECT_EQ(countOf(divideHertzByInteger(hz(), 0)), std::nullopt);
    EXPECT_EQ(divideHertzByHertz(ghz(), mhz()), 1000);
    EXPECT_EQ(divideHertzByHertz(Hertz{7}, Hertz{-2}), -4);
    EXPECT_EQ(divideHertzByHertz(ghz(), Hertz{0}), std::nullopt);
    EXPECT_EQ(countOf(hertzModulo(Hertz{7}, Hertz{-2})), -1);
    EXPECT_EQ(countOf(hertzModulo(Hertz{-7}, Hertz{2})), 1);
    EXPECT_EQ(countOf(hertzModulo(leastHz(), Hertz{-1})), 0);
    EXPECT_EQ(countOf(hertzModulo(hz(), Hertz{0})), std::nullopt);
    EXPECT_EQ(countOf(negateHertz(khz())), -1000);
    EXPECT_EQ(countOf(negateHertz(leastHz())), std::nullopt);
    EXPECT_EQ(countOf(absoluteValueOfHertz(Hertz{-5})), 5);
    EXPECT_EQ(countOf(absoluteValueOfHertz(leastHz())), std::nullopt);
    EXPECT_EQ(countOf(significantDigitsOfHertz(2, Hertz{2450000000})), 2500000000);
    EXPECT_EQ(countOf(significantDigitsOfHertz(-1, Hertz{2450000000})), std::nullopt);
}

TEST(Hertz, OrderIsThatOfTheCounts)
{
    EXPECT_TRUE(khz() < mhz());
    EXPECT_FALSE(mhz() < mhz());
    EXPECT_TRUE(mhz() <= mhz());
    EXPECT_TRUE(Hertz{1000} == khz());
    EXPECT_TRUE(leastHz() < Hertz{0});
}

TEST_F(HertzTest, StringIsTheCountFollowedByHertz)
{
    EXPECT_EQ(hertzAsString(ghz()).view(), "1000000000 hertz");
    EXPECT_EQ(hertzAsString(Hertz{0}).view(), "0 hertz");
    EXPECT_EQ(hertzAsString(leastHz()).view(), "-9223372036854775808 hertz");
}

} // namespace
