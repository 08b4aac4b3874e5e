#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Inspectors/Portable/FloatingPointText.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

constexpr double kInfinity = HUGE_VAL;

using FloatingPointTextTest = ValueAllocatorTest;

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

TEST_F(FloatingPointTextTest, StandardNotationRefusesDigitsBeyondADouble)
{
    auto standard = [](double value, double significance) {
        return std::string(floatingPointAsStandardNotation(FloatingPoint{value, significance, 0}).view());
    };
    EXPECT_EQ(standard(9007199254740991.0, 1), "9007199254740991.");
    EXPECT_THROW(standard(9007199254740992.0, 1), TooLargeForStandardNotation);
    EXPECT_EQ(standard(9007199254740992.0, 10), "9007199254740990.");
    EXPECT_EQ(standard(1e22, 1e7), "10000000000000000000000.");
    EXPECT_EQ(standard(1e20, 1e5), "100000000000000000000.");
    EXPECT_THROW(standard(1e22, 1e5), TooLargeForStandardNotation);
    EXPECT_EQ(standard(-900719925474099.1, 0.1), "-900719925474099.1");
    EXPECT_THROW(standard(1e15, 0.1), TooLargeForStandardNotation);
    EXPECT_THROW(standard(0.1, 1e-60), TooLargeForStandardNotation);
    EXPECT_EQ(standard(1e-40, 1e-53), "0." + std::string(39, '0') + "10000000000000");
    // At most 53 fraction digits: finer significances are written as 53.
    EXPECT_EQ(standard(1e-50, 1e-70), "0." + std::string(49, '0') + "1000");
}

TEST_F(FloatingPointTextTest, StringCastSwitchesToScientificAtTheLimits)
{
    auto string = [](double value, double significance) {
        return std::string(floatingPointAsString(FloatingPoint{value, significance, 0}).view());
    };
    EXPECT_EQ(string(1e60, 1e45), "1" + std::string(60, '0') + ".");
    EXPECT_EQ(string(-9e60, 1e50), "-9" + std::string(60, '0') + ".");
    EXPECT_EQ(string(9e60, 1), "9000000000000000258108064026646110331815789823868258849128448.");
    EXPECT_EQ(string(1e61, 1e50), "1.00000000000e+61");
    EXPECT_EQ(string(-1e61, 1e61), "-1.e+61");
    EXPECT_EQ(string(1e300, 1e290), "1.0000000000e+300");
    // No precision check in the string cast.
    EXPECT_EQ(string(18014398509481988.0, 1), "18014398509481988.");
    EXPECT_EQ(string(1e23, 1e8), "1" + std::string(23, '0') + ".");
    EXPECT_EQ(string(1e23, 1), "99999999999999991611392.");
    EXPECT_EQ(string(0.1, 1e-60), "0.10000000000000000555111512312578270211815834045410156");
    EXPECT_EQ(string(0.1, 1e-61), "1.0000000000000001e-1");
    EXPECT_EQ(string(0.1, 0.0), "1.0000000000000001e-1");
    EXPECT_EQ(string(1.5, std::nan("")), "1.5000000000000000e+0");
    EXPECT_EQ(string(4.9406564584124654e-324, 4.9406564584124654e-324), "5.e-324");
}

TEST_F(FloatingPointTextTest, ScientificDigitsCountFromTheExactLeadingDigit)
{
    auto scientific = [](double value, double significance) {
        return std::string(floatingPointAsScientificNotation(FloatingPoint{value, significance, 0}).view());
    };
    // The double nearest 10^23 lies below it: rounding to the place 10^8
    // carries into a new leading digit, and the last digit stays at 10^8.
    EXPECT_EQ(scientific(1e23, 1e8), "1.000000000000000e+23");
    EXPECT_EQ(scientific(1e23, 1e23), "1.e+23");
    EXPECT_EQ(scientific(1e22, 1e21), "1.0e+22");
    // Never finer than the spacing of doubles at the value.
    EXPECT_EQ(scientific(1.0, 1e-30), "1.0000000000000000e+0");
    EXPECT_EQ(scientific(-1.7976931348623157e308, 1), "-1.7976931348623157e+308");
    EXPECT_EQ(scientific(2.2250738585072014e-308, 0), "2.2250738585072014e-308");
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
