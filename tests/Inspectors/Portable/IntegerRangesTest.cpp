#include <gtest/gtest.h>

#include <vector>

#include "Inspectors/Portable/IntegerRanges.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

constexpr std::int64_t kMax = 9223372036854775807;
constexpr std::int64_t kMin = -kMax - 1;

// Every value a plural property yields, capped so that a runaway fails.
template <class Plural, class... Arguments>
std::vector<std::int64_t> valuesOf(const Arguments&... arguments)
{
    Plural plural;
    std::vector<std::int64_t> values;
    std::int64_t value = 0;
    for (bool more = plural.first(value, arguments...); more && values.size() < 100; more = plural.next(value))
        values.push_back(value);
    return values;
}

using Values = std::vector<std::int64_t>;

Tuple<std::int64_t, std::int64_t> pair(std::int64_t a, std::int64_t b)
{
    return makeTupleOf(a, b);
}

Tuple<std::int64_t, std::int64_t, std::int64_t> triple(std::int64_t a, std::int64_t b, std::int64_t s)
{
    return makeTupleOf(a, b, s);
}
using IntegerRangesTest = ValueAllocatorTest;

TEST(IntegersTo, CountsFromZeroTowardsTheKey)
{
    EXPECT_EQ(valuesOf<IntegersTo>(std::int64_t(3)), (Values{0, 1, 2, 3}));
    EXPECT_EQ(valuesOf<IntegersTo>(std::int64_t(0)), (Values{0}));
    EXPECT_EQ(valuesOf<IntegersTo>(std::int64_t(-2)), (Values{0, -1, -2}));
}

TEST_F(IntegerRangesTest, IntegersInAPairStepTowardsTheEnd)
{
    EXPECT_EQ(valuesOf<IntegersInPair>(pair(1, 3)), (Values{1, 2, 3}));
    EXPECT_EQ(valuesOf<IntegersInPair>(pair(3, 1)), (Values{3, 2, 1}));
    EXPECT_EQ(valuesOf<IntegersInPair>(pair(-1, -1)), (Values{-1}));
}

TEST_F(IntegerRangesTest, IntegersInATripleStepBySUntilPastTheEnd)
{
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(1, 10, 3)), (Values{1, 4, 7, 10}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(1, 9, 3)), (Values{1, 4, 7}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(10, 1, -4)), (Values{10, 6, 2}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(5, 5, -1)), (Values{5}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(1, 3, -1)), Values{});
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(3, 1, 1)), Values{});
}

TEST_F(IntegerRangesTest, AZeroStepFailsWithItsOwnText)
{
    IntegersInTriple plural;
    std::int64_t value = 0;
    try {
        plural.first(value, triple(1, 3, 0));
        FAIL() << "a zero step was accepted";
    } catch (const InspectorDefinedError& error) {
        EXPECT_EQ(error.text(), "\"integers in\" step argument must not be 0");
    }
}

TEST_F(IntegerRangesTest, RunsStopAtTheEndValueNextToTheLimits)
{
    EXPECT_EQ(valuesOf<IntegersInPair>(pair(kMax - 2, kMax)), (Values{kMax - 2, kMax - 1, kMax}));
    EXPECT_EQ(valuesOf<IntegersInPair>(pair(kMin + 1, kMin)), (Values{kMin + 1, kMin}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(kMax - 5, kMax, 4)), (Values{kMax - 5, kMax - 1}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(0, kMax, kMax)), (Values{0, kMax}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(kMin, kMax, kMax)), (Values{kMin, -1, kMax - 1}));
    EXPECT_EQ(valuesOf<IntegersInTriple>(triple(kMax, kMin, kMin)), (Values{kMax, -1}));
}

} // namespace
