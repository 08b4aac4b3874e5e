#include <gtest/gtest.h>

#include <vector>

#include "Inspectors/Portable/Booleans.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

TEST(Booleans, TextIsTrueOrFalseInAnyCase)
{
    struct Case {
        std::string_view text;
        std::optional<bool> expected;
    } cases[] = {
        {"true", true}, {"TRUE", true}, {"tRuE", true}, {"false", false}, {"False", false},
        {"", std::nullopt}, {"t", std::nullopt}, {"yes", std::nullopt}, {"1", std::nullopt},
        {" true", std::nullopt}, {"true ", std::nullopt}, {"truee", std::nullopt}, {"fals", std::nullopt},
        {"\xd4rue", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(booleanFromText(stringOf(c.text)), c.expected) << '"' << c.text << '"';
}

TEST(Booleans, ConstantsStringsAndEquality)
{
    EXPECT_TRUE(trueConstant());
    EXPECT_FALSE(falseConstant());
    EXPECT_EQ(booleanAsString(true).view(), "True");
    EXPECT_EQ(booleanAsString(false).view(), "False");
    EXPECT_EQ(booleanFromText(booleanAsString(false)), false);
    EXPECT_TRUE(booleanAsBoolean(true));
    EXPECT_TRUE(booleansEqual(false, false));
    EXPECT_FALSE(booleansEqual(true, false));
}

template <class Fold>
bool folded(std::vector<bool> elements)
{
    Fold fold;
    for (bool element : elements)
        fold.add(element);
    bool result = false;
    EXPECT_TRUE(fold.result(result));
    return result;
}

TEST(Booleans, ConjunctionIsFalseOnceAnyElementIs)
{
    EXPECT_TRUE(folded<Conjunction>({}));
    EXPECT_TRUE(folded<Conjunction>({true, true}));
    EXPECT_FALSE(folded<Conjunction>({true, false, true}));
    EXPECT_FALSE(folded<Conjunction>({false}));
}

TEST(Booleans, DisjunctionIsTrueOnceAnyElementIs)
{
    EXPECT_FALSE(folded<Disjunction>({}));
    EXPECT_FALSE(folded<Disjunction>({false, false}));
    EXPECT_TRUE(folded<Disjunction>({false, true, false}));
    EXPECT_TRUE(folded<Disjunction>({true}));
}

} // namespace
