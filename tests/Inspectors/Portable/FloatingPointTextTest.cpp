#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Inspectors/Portable/FloatingPointText.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace {

constexpr double kInfinity = HUGE_VAL;

// The texts are made in the current thread's allocator.
class FloatingPointTextTest : public ::testing::Test {
private:
    InlineStackAllocator<16384> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
};

String stringOf(std::string_view text)
{
    return String(text.data(), std::uint32_t(text.size()));
}

struct WriteCase {
    double value;
    double significance;
    std::string_view string;
    std::string_view standard;
    std::string_view scientific;
};

TEST_F(FloatingPointTextTest, WrittenDigitsStopAtTheRoundedSignificancePlace)
{
    WriteCase cases[] = {
        {-1.5, 0.1, "-1.5", "-1.5", "-1.5e+0"},
        {0.5, 0.1, "0.5", "0.5", "5.e-1"},
        {0.0025, 0.0001, "0.0025", "0.0025", "2.5e-3"},
        {1234, 100, "1200.", "1200.", "1.2e+3"},
        {1250, 100, "1200.", "1200.", "1.2e+3"},
        {-1351, 100, "-1400.", "-1400.", "-1.4e+3"},
        {123456, 0.5, "123456.0", "123456.0", "1.234560e+5"},
        {0.30000000000000004, 0.1414, "0.3", "0.3", "3.e-1"},
        {1.5, -0.1, "1.5", "1.5", "1.5e+0"},
        // The last digit is rounded to nearest, ties to even.
        {2.5, 1, "2.", "2.", "2.e+0"},
        {3.5, 1, "4.", "4.", "4.e+0"},
        {0.25, 0.25, "0.2", "0.2", "2.e-1"},
        {9.96, 0.1, "10.0", "10.0", "1.00e+1"},
        {99.5, 1, "100.", "100.", "1.00e+2"},
        {40, 100, "40.", "40.", "4.e+1"},
        {96, 1000, "100.", "100.", "1.e+2"},
        {94, 1000, "90.", "90.", "9.e+1"},
        {0.96, 100, "1.", "1.", "1.e+0"},
        {60, 100, "100.", "100.", "1.e+2"},
        {50, 100, "50.", "50.", "5.e+1"},
        {0.7, 1, "1.", "1.", "1.e+0"},
        {-0.3, 1, "-0.3", "-0.3", "-3.e-1"},
        {0.0007, 1, "0.0007", "0.0007", "7.e-4"},
        {1.5, kInfinity, "2.", "2.", "2.e+0"},
    };
    for (const WriteCase& c : cases) {
        FloatingPoint f{c.value, c.significance, 0};
        EXPECT_EQ(floatingPointAsString(f).view(), c.string) << c.value << " ~ " << c.significance;
        EXPECT_EQ(floatingPointAsStandardNotation(f).view(), c.standard) << c.value << " ~ " << c.significance;
        EXPECT_EQ(floatingPointAsScientificNotation(f).view(), c.scientific) << c.value << " ~ " << c.significance;
    }
}

// Significances no question can give a number.
TEST_F(FloatingPointTextTest, StringCastOfUnusualSignificances)
{
    auto string = [](double value, double significance) {
        return std::string(floatingPointAsString(FloatingPoint{value, significance, 0}).view());
    };
    EXPECT_EQ(string(1.5, std::nan("")), "1.5000000000000000e+0");
    EXPECT_EQ(string(4.9406564584124654e-324, 4.9406564584124654e-324), "5.e-324");
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
