#include <gtest/gtest.h>

#include <cmath>

#include "Inspectors/Portable/FloatingPointArithmetic.h"

namespace {

using namespace FloatingPointFlag;

constexpr double kInfinity = HUGE_VAL;

FloatingPoint number(double value, double significance = 1.0, std::uint32_t flags = 0)
{
    return FloatingPoint{value, significance, flags};
}

void expectNumber(const FloatingPoint& actual, double value, double significance, std::uint32_t flags)
{
    if (std::isnan(value))
        EXPECT_TRUE(std::isnan(actual.value)) << actual.value;
    else
        EXPECT_DOUBLE_EQ(actual.value, value);
    if (std::isnan(significance))
        EXPECT_TRUE(std::isnan(actual.significance)) << actual.significance;
    else
        EXPECT_DOUBLE_EQ(actual.significance, significance);
    EXPECT_EQ(actual.flags, flags);
}

TEST(FloatingPointArithmetic, SignificancesPropagate)
{
    expectNumber(addFloatingPoints(number(1, 0.3), number(2, 0.4)), 3, 0.5, 0);
    expectNumber(subtractFloatingPoints(number(1, 0.3), number(2, 0.4)), -1, 0.5, 0);
    expectNumber(multiplyFloatingPoints(number(2, 0.1), number(3, 0.2)), 6, std::hypot(0.5, 0.02), 0);
    expectNumber(divideFloatingPoints(number(6, 0.1), number(2, 0.1)), 3, std::sqrt(0.4001) / 4, 0);
    // A negative divisor is squared away; a negative factor is not a negative significance.
    expectNumber(divideFloatingPoints(number(6, 0.1), number(-2, 0.1)), -3, std::sqrt(0.4001) / 4, 0);
    expectNumber(multiplyFloatingPoints(number(-2, 0.1), number(3, 0.2)), -6, std::hypot(0.5, 0.02), 0);
    expectNumber(negateFloatingPoint(number(1.5, 0.1, kInexact)), -1.5, 0.1, kInexact);
    expectNumber(sameFloatingPoint(number(1.5, 0.1, kOverflow)), 1.5, 0.1, kOverflow);
}

TEST(FloatingPointArithmetic, IntegerOperandsKeepOrScaleTheSignificance)
{
    FloatingPoint f = number(1.5, 0.1);
    expectNumber(addFloatingPointAndInteger(f, 2), 3.5, 0.1, 0);
    expectNumber(addIntegerAndFloatingPoint(2, f), 3.5, 0.1, 0);
    expectNumber(subtractIntegerFromFloatingPoint(f, 2), -0.5, 0.1, 0);
    expectNumber(subtractFloatingPointFromInteger(2, f), 0.5, 0.1, 0);
    expectNumber(multiplyFloatingPointByInteger(f, 4), 6, 0.4, 0);
    expectNumber(multiplyIntegerByFloatingPoint(4, f), 6, 0.4, 0);
    // The significance is multiplied by n as it is, sign included.
    expectNumber(multiplyFloatingPointByInteger(f, -2), -3, -0.2, 0);
    expectNumber(divideFloatingPointByInteger(number(3, 0.3), 2), 1.5, 0.15, 0);
    expectNumber(divideIntegerByFloatingPoint(3, f), 2, 3 * 0.1 / 1.5 / 1.5, 0);
}

TEST(FloatingPointArithmetic, ExceptionsAreRecordedInTheFlags)
{
    expectNumber(divideFloatingPoints(number(1), number(0.0, 0.1)), kInfinity, kInfinity, kDividedByZero);
    expectNumber(divideFloatingPoints(number(-1), number(0.0, 0.1)), -kInfinity, kInfinity, kDividedByZero);
    EXPECT_EQ(divideFloatingPoints(number(0.0), number(0.0)).flags, kInvalid);
    EXPECT_TRUE(std::isnan(divideFloatingPoints(number(0.0), number(0.0)).value));
    EXPECT_EQ(subtractFloatingPoints(number(kInfinity), number(kInfinity)).flags, kInvalid);
    EXPECT_EQ(multiplyFloatingPoints(number(1e308), number(10)).flags, kOverflow | kInexact);
    EXPECT_EQ(divideFloatingPoints(number(1e-308), number(1e10)).flags, kUnderflow | kInexact);
    EXPECT_EQ(addFloatingPoints(number(0.1), number(0.2)).flags, kInexact);
    EXPECT_EQ(addFloatingPoints(number(1), number(2)).flags, 0u);
    EXPECT_EQ(divideFloatingPointByInteger(number(1), 0).flags, kDividedByZero);
    EXPECT_EQ(divideIntegerByFloatingPoint(0, number(0.0)).flags, kInvalid);
    EXPECT_EQ(divideFloatingPointByInteger(number(1), 3).flags, kInexact);
}

TEST(FloatingPointArithmetic, FlagsOfOperandsAreKept)
{
    FloatingPoint infinite = divideFloatingPoints(number(1), number(0.0));
    EXPECT_EQ(addFloatingPoints(infinite, number(1)).flags, kDividedByZero);
    EXPECT_EQ(addFloatingPoints(number(1, 1, kUnderflow), number(2, 1, kOverflow)).flags, kUnderflow | kOverflow);
    EXPECT_EQ(multiplyFloatingPointByInteger(number(2, 1, kInvalid), 3).flags, kInvalid);
    EXPECT_EQ(subtractFloatingPointFromInteger(1, infinite).flags, kDividedByZero);
    // A clean operation after a flagged one does not clear the flags.
    FloatingPoint inexact = addFloatingPoints(number(0.1), number(0.2));
    EXPECT_EQ(addFloatingPoints(number(1), number(2)).flags, 0u);
    EXPECT_EQ(multiplyFloatingPoints(inexact, number(1)).flags, kInexact);
}

TEST(FloatingPointArithmetic, IntegerConversionIsInexactBeyondFiftyThreeBits)
{
    constexpr std::int64_t k2To53 = std::int64_t(1) << 53;
    expectNumber(integerAsFloatingPoint(3), 3, 1.0, 0);
    expectNumber(integerAsFloatingPoint(k2To53), 9007199254740992.0, 1.0, 0);
    expectNumber(integerAsFloatingPoint(k2To53 + 1), 9007199254740992.0, 1.0, kInexact);
    expectNumber(integerAsFloatingPoint(9223372036854775807), 9223372036854775808.0, 1.0, kInexact);
    expectNumber(integerAsFloatingPoint(-9223372036854775807 - 1), -9223372036854775808.0, 1.0, 0);
    EXPECT_EQ(addFloatingPointAndInteger(number(0.5), k2To53 + 1).flags, kInexact);
}

TEST(FloatingPointArithmetic, ComparisonsWithIntegersAreByConvertedValue)
{
    struct Case {
        double value;
        std::int64_t integer;
        bool equal, floatingLess, floatingAtMost, integerLess, integerAtMost;
    } cases[] = {
        {1.0, 1, true, false, true, false, true},
        {2.5, 2, false, false, false, true, true},
        {1.5, 2, false, true, true, false, false},
        {-0.0, 0, true, false, true, false, true},
        {9007199254740992.0, (std::int64_t(1) << 53) + 1, true, false, true, false, true},
        {kInfinity, 9223372036854775807, false, false, false, true, true},
        {std::nan(""), 0, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        FloatingPoint f = number(c.value);
        EXPECT_EQ(floatingPointEqualsInteger(f, c.integer), c.equal) << c.value << " = " << c.integer;
        EXPECT_EQ(integerEqualsFloatingPoint(c.integer, f), c.equal) << c.integer << " = " << c.value;
        EXPECT_EQ(floatingPointLessThanInteger(f, c.integer), c.floatingLess) << c.value << " < " << c.integer;
        EXPECT_EQ(floatingPointAtMostInteger(f, c.integer), c.floatingAtMost) << c.value << " <= " << c.integer;
        EXPECT_EQ(integerLessThanFloatingPoint(c.integer, f), c.integerLess) << c.integer << " < " << c.value;
        EXPECT_EQ(integerAtMostFloatingPoint(c.integer, f), c.integerAtMost) << c.integer << " <= " << c.value;
    }
}

TEST(FloatingPointArithmetic, OrderBetweenFloatingPointsIgnoresSignificance)
{
    EXPECT_TRUE(number(1.5, 0.1) == number(1.5, 100));
    EXPECT_TRUE(number(1.5, 0.1) < number(1.6, 0.0));
    EXPECT_TRUE(number(1.5) <= number(1.5));
    FloatingPoint nan = number(std::nan(""));
    EXPECT_FALSE(nan == nan);
    EXPECT_FALSE(nan < number(1));
    EXPECT_FALSE(number(1) <= nan);
}

} // namespace
