#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "Inspectors/Portable/FloatingPointProperties.h"

namespace {

using namespace FloatingPointFlag;

constexpr double kInfinity = HUGE_VAL;

FloatingPoint number(double value, double significance = 1.0, std::uint32_t flags = 0)
{
    return FloatingPoint{value, significance, flags};
}

TEST(FloatingPointProperties, SignificanceThresholdAndPlaces)
{
    FloatingPoint threshold = significanceThreshold(number(1.5, 0.1, kInexact));
    EXPECT_DOUBLE_EQ(threshold.value, 0.1);
    EXPECT_DOUBLE_EQ(threshold.significance, 0.001);
    EXPECT_EQ(threshold.flags, kInexact);

    FloatingPoint place = significancePlace(number(1.5, 0.1));
    EXPECT_DOUBLE_EQ(place.value, -1);
    EXPECT_DOUBLE_EQ(place.significance, 0.01);

    FloatingPoint relative = relativeSignificancePlace(number(-150, 0.1));
    EXPECT_DOUBLE_EQ(relative.value, std::log10(150.0) + 1);
    EXPECT_DOUBLE_EQ(relative.significance, 0.01);
}

TEST(FloatingPointProperties, KeyedSignificancesRejectNegativeKeys)
{
    FloatingPoint f = number(-150, 0.1, kUnderflow);
    struct Case {
        std::optional<FloatingPoint> (*property)(std::int64_t, const FloatingPoint&);
        std::int64_t key;
        double significance;
    } cases[] = {
        {moreSignificance, 2, 0.001},
        {moreSignificance, 0, 0.1},
        {moreSignificance, 400, 0.0},
        {lessSignificance, 2, 10},
        {lessSignificance, 400, kInfinity},
        {withSignificancePlace, 3, 1000},
        {withSignificancePlace, 0, 1},
        {withSignificancePlace, 25, 1e25},
        {withRelativeSignificancePlace, 2, 1.5},
        {withRelativeSignificancePlace, 0, 150},
    };
    for (const Case& c : cases) {
        std::optional<FloatingPoint> result = c.property(c.key, f);
        ASSERT_TRUE(result) << c.key;
        EXPECT_EQ(result->value, -150);
        EXPECT_DOUBLE_EQ(result->significance, c.significance) << c.key;
        EXPECT_EQ(result->flags, kUnderflow);
        EXPECT_FALSE(c.property(-1, f));
        EXPECT_FALSE(c.property(-9223372036854775807 - 1, f));
    }
    EXPECT_EQ(withSignificancePlace(23, f)->significance, 1e23);
}

TEST(FloatingPointProperties, FlagsAreReadBitByBit)
{
    FloatingPoint f = number(1, 1, kInexact | kOverflow | kInvalid);
    EXPECT_TRUE(inexactFlag(f));
    EXPECT_FALSE(underflowFlag(f));
    EXPECT_TRUE(overflowFlag(f));
    EXPECT_FALSE(dividedByZeroFlag(f));
    EXPECT_TRUE(invalidFlag(f));
    FloatingPoint g = number(1, 1, kUnderflow | kDividedByZero);
    EXPECT_FALSE(inexactFlag(g));
    EXPECT_TRUE(underflowFlag(g));
    EXPECT_FALSE(overflowFlag(g));
    EXPECT_TRUE(dividedByZeroFlag(g));
    EXPECT_FALSE(invalidFlag(g));
}

TEST(FloatingPointProperties, Classification)
{
    struct Case {
        double value;
        bool finite, infinite, nan, normal;
    } cases[] = {
        {1.5, true, false, false, true},
        {-DBL_MAX, true, false, false, true},
        {DBL_MIN, true, false, false, true},
        {DBL_MIN / 2, true, false, false, false},
        {0.0, true, false, false, false},
        {-kInfinity, false, true, false, false},
        {std::nan(""), false, false, true, false},
        {std::numeric_limits<double>::signaling_NaN(), false, false, true, false},
    };
    for (const Case& c : cases) {
        FloatingPoint f = number(c.value);
        EXPECT_EQ(isFiniteNumber(f), c.finite) << c.value;
        EXPECT_EQ(isInfiniteNumber(f), c.infinite) << c.value;
        EXPECT_EQ(isNotANumber(f), c.nan) << c.value;
        EXPECT_EQ(isNormalNumber(f), c.normal) << c.value;
    }
}

TEST(FloatingPointProperties, IntegerNeighbours)
{
    constexpr std::optional<std::int64_t> kNone = std::nullopt;
    constexpr std::int64_t kMin = -9223372036854775807 - 1;
    struct Case {
        double value;
        std::optional<std::int64_t> floor, ceiling, nearest;
    } cases[] = {
        {1.5, 1, 2, 2},
        {2.5, 2, 3, 2},
        {3.5, 3, 4, 4},
        {-2.5, -3, -2, -2},
        {-1.0, -1, -1, -1},
        {-0.5, -1, 0, 0},
        {0.49999999999999994, 0, 1, 0},
        {9223372036854774784.0, 9223372036854774784, 9223372036854774784, 9223372036854774784},
        {9223372036854775808.0, kNone, kNone, kNone},
        {-9223372036854775808.0, kMin, kMin, kMin},
        {-9223372036854777856.0, kNone, kNone, kNone},
        {kInfinity, kNone, kNone, kNone},
        {-kInfinity, kNone, kNone, kNone},
        {std::nan(""), kNone, kNone, kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(integerFloor(number(c.value)), c.floor) << c.value;
        EXPECT_EQ(integerCeiling(number(c.value)), c.ceiling) << c.value;
        EXPECT_EQ(floatingPointAsInteger(number(c.value)), c.nearest) << c.value;
    }
}

} // namespace
