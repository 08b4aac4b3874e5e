#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Inspectors/Portable/FloatingPointText.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

constexpr double kInfinity = HUGE_VAL;

// The texts are made in the current thread's allocator.
class FloatingPointTextTest : public ::testing::Test {
private:
    InlineStackAllocator<16384> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
};

String stringOf(std::string_view text) { return String(text.data(), std::uint32_t(text.size())); }

struct WriteCase {
    double value;
    double significance;
    std::string_view string;
    std::string_view standard;
    std::string_view scientific;
};

TEST_F(FloatingPointTextTest, WrittenDigitsStopAtTheSignificancePlace)
{
    // Significances that are no power of ten; the others are asked in the
    // question file.
    WriteCase cases[] = {
        {123456, 0.5, "123456.0", "123456.0", "1.234560e+5"},
        {0.30000000000000004, 0.1414, "0.3", "0.3", "3.e-1"},
        {1.5, -0.1, "1.5", "1.5", "1.5e+0"},
        {0.25, 0.25, "0.2", "0.2", "2.e-1"},
        {1.5, kInfinity, "2.", "2.", "2.e+0"},
    };
    for (const WriteCase& c : cases) {
        FloatingPoint f{c.value, c.significance, 0};
        EXPECT_EQ(floatingPointAsString(f).view(), c.string) << c.value << " ~ " << c.significance;
        EXPECT_EQ(floatingPointAsStandardNotation(f).view(), c.standard) << c.value << " ~ " << c.significance;
        EXPECT_EQ(floatingPointAsScientificNotation(f).view(), c.scientific) << c.value << " ~ " << c.significance;
    }
}

TEST_F(FloatingPointTextTest, StringCastOfAnUnknownAndOfTheSmallestSignificance)
{
    EXPECT_EQ(floatingPointAsString(FloatingPoint{1.5, std::nan(""), 0}).view(), "1.5000000000000000e+0");
    FloatingPoint f{4.9406564584124654e-324, 4.9406564584124654e-324, 0};
    EXPECT_EQ(floatingPointAsString(f).view(), "5.e-324");
}

TEST_F(FloatingPointTextTest, ReadingTheScientificFormGivesTheSameNumber)
{
    for (std::string_view text : {"1500", "15e2", "1500.0", "1.5", "-0.0025", "123456.0", "1e-300", "6.02214076e23",
                                  "-1.7976931348623157e308", "4.9406564584124654e-324", "3.14159", "0.1e-5"}) {
        std::optional<FloatingPoint> read = floatingPointFromText(stringOf(text));
        ASSERT_TRUE(read) << text;
        String written = floatingPointAsScientificNotation(*read);
        std::optional<FloatingPoint> reread = floatingPointFromText(written);
        ASSERT_TRUE(reread) << written.view();
        EXPECT_EQ(reread->value, read->value) << text << " -> " << written.view();
        EXPECT_DOUBLE_EQ(reread->significance, read->significance) << text << " -> " << written.view();
    }
}

} // namespace

} // namespace guard
