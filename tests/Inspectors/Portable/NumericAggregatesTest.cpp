#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "Inspectors/Portable/FloatingPointText.h"
#include "Inspectors/Portable/NumericAggregates.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

using namespace FloatingPointFlag;

constexpr std::int64_t kMax = 9223372036854775807;
constexpr std::int64_t kMin = -kMax - 1;

template <class ResultFunction>
struct ResultTypeOf;
template <class Aggregate, class Result>
struct ResultTypeOf<bool (Aggregate::*)(Result&) const> {
    using type = Result;
};

// The aggregate of `elements`, or nullopt when it has no value.
template <class Aggregate, class Element>
auto aggregated(const std::vector<Element>& elements)
{
    using Result = typename ResultTypeOf<decltype(&Aggregate::result)>::type;
    Aggregate aggregate;
    for (const Element& element : elements)
        aggregate.add(element);
    Result result{};
    if (!aggregate.result(result))
        return std::optional<Result>();
    return std::optional<Result>(result);
}

using Integers = std::vector<std::int64_t>;
using FloatingPoints = std::vector<FloatingPoint>;

TEST(IntegerAggregates, SumFailsAfterAnyOverflow)
{
    EXPECT_EQ(aggregated<IntegerSum>(Integers{}), 0);
    EXPECT_EQ(aggregated<IntegerSum>(Integers{1, 2, 3}), 6);
    EXPECT_EQ(aggregated<IntegerSum>(Integers{kMax, kMin}), -1);
    EXPECT_EQ(aggregated<IntegerSum>(Integers{kMax, 1, -1}), std::nullopt);
    EXPECT_EQ(aggregated<IntegerSum>(Integers{kMin, -1, 1}), std::nullopt);
    EXPECT_EQ(aggregated<IntegerSum>(Integers{kMax, -1, 1}), kMax);
}

TEST(IntegerAggregates, ProductFailsAfterAnyOverflow)
{
    EXPECT_EQ(aggregated<IntegerProduct>(Integers{}), 1);
    EXPECT_EQ(aggregated<IntegerProduct>(Integers{2, -3, 4}), -24);
    EXPECT_EQ(aggregated<IntegerProduct>(Integers{4294967296, 4294967296}), std::nullopt);
    EXPECT_EQ(aggregated<IntegerProduct>(Integers{4294967296, 4294967296, 0}), std::nullopt);
    EXPECT_EQ(aggregated<IntegerProduct>(Integers{-1, kMin}), std::nullopt);
    EXPECT_EQ(aggregated<IntegerProduct>(Integers{kMin, 1}), kMin);
}

TEST(FloatingPointAggregates, SumAndProductStartFromTheSmallestNormalSignificance)
{
    std::optional<FloatingPoint> emptySum = aggregated<FloatingPointSum>(FloatingPoints{});
    ASSERT_TRUE(emptySum);
    EXPECT_EQ(emptySum->value, 0.0);
    EXPECT_EQ(emptySum->significance, DBL_MIN);
    EXPECT_EQ(emptySum->flags, 0u);

    std::optional<FloatingPoint> emptyProduct = aggregated<FloatingPointProduct>(FloatingPoints{});
    ASSERT_TRUE(emptyProduct);
    EXPECT_EQ(emptyProduct->value, 1.0);
    EXPECT_EQ(emptyProduct->significance, DBL_MIN);

    std::optional<FloatingPoint> sum = aggregated<FloatingPointSum>(FloatingPoints{{1.5, 0.1, 0}, {2.5, 0.1, kUnderflow}});
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum->value, 4.0);
    EXPECT_DOUBLE_EQ(sum->significance, std::sqrt(0.02));
    EXPECT_EQ(sum->flags, kUnderflow);

    std::optional<FloatingPoint> product = aggregated<FloatingPointProduct>(FloatingPoints{{2, 0.1, 0}, {3, 0.1, 0}});
    ASSERT_TRUE(product);
    EXPECT_EQ(product->value, 6.0);
    EXPECT_DOUBLE_EQ(product->significance, std::sqrt(0.09 + 0.04 + 0.0001));
    EXPECT_EQ(product->flags, 0u);

    EXPECT_EQ(aggregated<FloatingPointProduct>(FloatingPoints{{1e200, 1, 0}, {1e200, 1, 0}})->flags, kOverflow | kInexact);
}

TEST(FloatingPointAggregates, MeansDivideBySize)
{
    std::optional<FloatingPoint> mean = aggregated<IntegerMean>(Integers{1, 2});
    ASSERT_TRUE(mean);
    EXPECT_EQ(mean->value, 1.5);
    EXPECT_DOUBLE_EQ(mean->significance, std::sqrt(2.0) / 2);
    EXPECT_EQ(mean->flags, 0u);

    std::optional<FloatingPoint> floatingMean = aggregated<FloatingPointMean>(FloatingPoints{{1, 0.1, 0}, {2, 0.1, 0}});
    ASSERT_TRUE(floatingMean);
    EXPECT_EQ(floatingMean->value, 1.5);
    EXPECT_DOUBLE_EQ(floatingMean->significance, std::sqrt(0.02) / 2);

    EXPECT_EQ(aggregated<IntegerMean>(Integers{1, 1, 2})->flags, kInexact);
    EXPECT_EQ(aggregated<IntegerMean>(Integers{(std::int64_t(1) << 53) + 1})->flags, kInexact);
}

TEST(FloatingPointAggregates, StandardDeviationIsThePopulationOne)
{
    std::optional<FloatingPoint> deviation = aggregated<IntegerStandardDeviation>(Integers{2, 4, 4, 4, 5, 5, 7, 9});
    ASSERT_TRUE(deviation);
    EXPECT_EQ(deviation->value, 2.0);
    EXPECT_DOUBLE_EQ(deviation->significance, std::sqrt(8.0) / 8);
    EXPECT_EQ(deviation->flags, 0u);

    std::optional<FloatingPoint> same = aggregated<IntegerStandardDeviation>(Integers{7});
    ASSERT_TRUE(same);
    EXPECT_EQ(same->value, 0.0);

    FloatingPoints halves{{0.5, 0.1, 0}, {1.5, 0.1, 0}};
    std::optional<FloatingPoint> floating = aggregated<FloatingPointStandardDeviation>(halves);
    ASSERT_TRUE(floating);
    EXPECT_EQ(floating->value, 0.5);
    EXPECT_EQ(floating->flags, 0u);
}

TEST(FloatingPointAggregates, EmptySourcesGiveAnInvalidNaN)
{
    for (std::optional<FloatingPoint> result : std::initializer_list<std::optional<FloatingPoint>>{aggregated<IntegerMean>(Integers{}), aggregated<FloatingPointMean>(FloatingPoints{}),
          aggregated<IntegerStandardDeviation>(Integers{}), aggregated<FloatingPointStandardDeviation>(FloatingPoints{})}) {
        ASSERT_TRUE(result);
        EXPECT_TRUE(std::isnan(result->value));
        EXPECT_TRUE(result->flags & kInvalid);
    }
}

TEST(FloatingPointAggregates, OverflowingSquaresAreFlagged)
{
    std::optional<FloatingPoint> deviation = aggregated<FloatingPointStandardDeviation>(FloatingPoints{{1e200, 1, 0}, {-1e200, 1, 0}});
    ASSERT_TRUE(deviation);
    EXPECT_TRUE(deviation->flags & kOverflow);
    EXPECT_TRUE(std::isinf(deviation->value) || std::isnan(deviation->value));
}

using AggregateTextTest = ValueAllocatorTest;

TEST_F(AggregateTextTest, MeanAndDeviationAsStrings)
{
    EXPECT_EQ(floatingPointAsString(*aggregated<IntegerMean>(Integers{1, 2})).view(), "1.5");
    EXPECT_EQ(floatingPointAsString(*aggregated<IntegerStandardDeviation>(Integers{2, 4, 4, 4, 5, 5, 7, 9})).view(), "2.0");
    EXPECT_EQ(floatingPointAsString(*aggregated<IntegerMean>(Integers{})).view(), "NaN");
}

} // namespace
