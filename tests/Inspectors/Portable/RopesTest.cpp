// Ropes of many joins flatten without recursion, whatever their shape.
#include <gtest/gtest.h>

#include <string>

#include "Inspectors/Portable/Ropes.h"
#include "registry/InspectorContext.h"

namespace guard {

namespace {

constexpr int kJoins = 100000;

class RopesTest : public testing::Test {
protected:
    InlineStackAllocator<4096> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
    const String a_ = String::literal("a"), b_ = String::literal("bc");
};

std::string textOf(const Rope& rope)
{
    std::optional<String> text = flattened(rope);
    EXPECT_TRUE(text.has_value());
    return text ? std::string(text->view()) : std::string();
}

std::string expectedText(int joins)
{
    std::string text;
    for (int i = 0; i < joins; ++i)
        text += i % 2 ? "bc" : "a";
    return text;
}

TEST_F(RopesTest, ALeftLeaningChainOfJoinsFlattensInOrder)
{
    Rope rope = ropeOf(a_);
    for (int i = 1; i < kJoins; ++i)
        rope = ropeAndString(rope, i % 2 ? b_ : a_);
    EXPECT_EQ(rope.length, 150000u);
    EXPECT_EQ(textOf(rope), expectedText(kJoins));
}

TEST_F(RopesTest, ARightLeaningChainOfJoinsFlattensInOrder)
{
    Rope rope = ropeOf(kJoins % 2 ? a_ : b_);
    for (int i = kJoins - 2; i >= 0; --i)
        rope = stringAndRope(i % 2 ? b_ : a_, rope);
    EXPECT_EQ(textOf(rope), expectedText(kJoins));
}

TEST_F(RopesTest, AZigZagOfRopeJoinsFlattensInOrder)
{
    // Each join puts the rope so far on alternate sides of a one-node rope.
    // Every "a" goes in front, every "bc" behind.
    Rope rope = ropeOf(a_);
    std::string front, back;
    for (int i = 1; i < kJoins; ++i) {
        if (i % 2) {
            rope = ropeAndRope(rope, ropeOf(b_));
            back += "bc";
        } else {
            rope = ropeAndRope(ropeOf(a_), rope);
            front += "a";
        }
    }
    std::string expected = front + "a" + back;
    EXPECT_EQ(rope.nodes, 2u * kJoins - 1);
    EXPECT_EQ(textOf(rope), expected);
}

TEST_F(RopesTest, ABalancedRopeFlattensInOrder)
{
    Rope rope = ropeAndRope(ropeOf(a_), ropeOf(b_));
    std::string expected = "abc";
    for (int level = 0; level < 16; ++level) {
        rope = ropeAndRope(rope, rope);
        expected += expected;
    }
    EXPECT_EQ(textOf(rope), expected);
}

} // namespace

} // namespace guard
