#include <gtest/gtest.h>

#include <optional>

#include "Inspectors/Portable/Integers.h"

namespace {

constexpr std::int64_t kMax = kGreatestInteger;
constexpr std::int64_t kMin = kLeastInteger;
constexpr std::optional<std::int64_t> kNone = std::nullopt;

struct BinaryCase {
    std::int64_t left;
    std::int64_t right;
    std::optional<std::int64_t> expected;
};

using BinaryOperation = std::optional<std::int64_t> (*)(std::int64_t, std::int64_t);

void expectAll(BinaryOperation operation, std::initializer_list<BinaryCase> cases)
{
    for (const BinaryCase& c : cases)
        EXPECT_EQ(operation(c.left, c.right), c.expected) << c.left << ", " << c.right;
}

TEST(Integers, AdditionFailsExactlyAtTheLimits)
{
    expectAll(addIntegers, {
        {1, 2, 3},
        {kMax, 0, kMax},
        {kMax, 1, kNone},
        {kMax - 1, 1, kMax},
        {kMin, -1, kNone},
        {kMin, kMax, -1},
        {kMin, 0, kMin},
    });
}

TEST(Integers, SubtractionFailsExactlyAtTheLimits)
{
    expectAll(subtractIntegers, {
        {5, 7, -2},
        {kMin, 1, kNone},
        {kMin + 1, 1, kMin},
        {0, kMin, kNone},
        {-1, kMin, kMax},
        {kMax, -1, kNone},
    });
}

TEST(Integers, MultiplicationFailsExactlyAtTheLimits)
{
    expectAll(multiplyIntegers, {
        {4294967296, 4294967296, kNone},
        {4294967296, 2147483648, kNone},
        {4294967296, 2147483647, 9223372032559808512},
        {kMin, -1, kNone},
        {kMin, 1, kMin},
        {-4294967296, 2147483648, kMin},
        {-3, 7, -21},
        {kMax, 0, 0},
    });
}

TEST(Integers, DivisionRoundsTowardsMinusInfinity)
{
    expectAll(divideIntegers, {
        {7, 2, 3},
        {-7, 2, -4},
        {7, -2, -4},
        {-7, -2, 3},
        {-8, 2, -4},
        {-1, 3, -1},
        {0, -5, 0},
        {1, 0, kNone},
        {0, 0, kNone},
        {kMin, -1, kNone},
        {kMin, 1, kMin},
        {kMin, 2, -4611686018427387904},
        {kMax, -1, -kMax},
        {kMax, kMin, -1},
    });
}

TEST(Integers, ModuloHasTheSignOfTheDivisor)
{
    expectAll(integerModulo, {
        {7, 2, 1},
        {-7, 2, 1},
        {7, -2, -1},
        {-7, -2, -1},
        {-8, 2, 0},
        {-1, kMax, kMax - 1},
        {5, 0, kNone},
        {kMin, -1, 0},
        {kMin, kMax, kMax - 1},
        {kMax, kMin, -1},
    });
}

TEST(Integers, DivisionAndModuloAgree)
{
    for (std::int64_t left : std::initializer_list<std::int64_t>{-9, -7, -1, 0, 1, 6, 7, kMax, kMin + 1})
        for (std::int64_t right : std::initializer_list<std::int64_t>{-4, -3, -1, 1, 2, 5, kMax}) {
            std::int64_t quotient = *divideIntegers(left, right);
            std::int64_t remainder = *integerModulo(left, right);
            EXPECT_EQ(__int128(quotient) * right + remainder, __int128(left)) << left << " / " << right;
        }
}

TEST(Integers, NegationAndAbsoluteValueFailOnlyForTheLeastInteger)
{
    EXPECT_EQ(negateInteger(5), -5);
    EXPECT_EQ(negateInteger(kMax), kMin + 1);
    EXPECT_EQ(negateInteger(kMin), kNone);
    EXPECT_EQ(absoluteValueOfInteger(-5), 5);
    EXPECT_EQ(absoluteValueOfInteger(0), 0);
    EXPECT_EQ(absoluteValueOfInteger(kMin + 1), kMax);
    EXPECT_EQ(absoluteValueOfInteger(kMin), kNone);
}

TEST(Integers, ConstantsAndKeyedInteger)
{
    EXPECT_EQ(greatestInteger(), 9223372036854775807);
    EXPECT_EQ(leastInteger(), -9223372036854775807 - 1);
    EXPECT_EQ(integerWithKey(0), 0);
    EXPECT_EQ(integerWithKey(kMax), kMax);
    EXPECT_EQ(integerWithKey(-1), kNone);
}

TEST(Integers, BitOfIntegerTestsTheSignBitOutsideTheWord)
{
    struct Case {
        std::int64_t key;
        std::int64_t value;
        bool expected;
    } cases[] = {
        {0, 1, true}, {1, 1, false}, {3, 8, true}, {62, kMax, true}, {63, kMax, false},
        {63, -1, true}, {64, -1, true}, {64, kMax, false}, {-1, kMin, true}, {-1, 1, false},
        {kMin, -2, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bitOfInteger(c.key, c.value), c.expected) << c.key << " of " << c.value;
}

} // namespace
