#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "Inspectors/Portable/FloatingPointText.h"
#include "Inspectors/Portable/ValueAllocatorTest.h"

namespace {

using namespace FloatingPointFlag;

constexpr double kInfinity = HUGE_VAL;

using FloatingPointTextTest = ValueAllocatorTest;

struct ReadCase {
    std::string_view text;
    double value;
    double significance;
    std::uint32_t flags;
};

void expectRead(const ReadCase& c)
{
    std::optional<FloatingPoint> read = floatingPointFromText(stringOf(c.text));
    ASSERT_TRUE(read) << '"' << c.text << '"';
    if (std::isnan(c.value))
        EXPECT_TRUE(std::isnan(read->value)) << c.text;
    else
        EXPECT_EQ(read->value, c.value) << c.text;
    EXPECT_EQ(std::signbit(read->value), std::signbit(c.value)) << c.text;
    EXPECT_DOUBLE_EQ(read->significance, c.significance) << c.text;
    EXPECT_EQ(read->flags, c.flags) << c.text;
}

TEST(FloatingPointReading, SignificanceIsThePlaceOfTheLastWrittenDigit)
{
    ReadCase cases[] = {
        {"1500", 1500, 100, 0},
        {"1500.0", 1500, 0.1, 0},
        {"1500.", 1500, 1, 0},
        {"15e2", 1500, 100, 0},
        {"1500e-2", 15, 1, 0},
        {"1.50E+2", 150, 1, 0},
        {"1.5", 1.5, 0.1, 0},
        {".5", 0.5, 0.1, 0},
        {"5.", 5, 1, 0},
        {"-5.", -5, 1, 0},
        {"+1.25", 1.25, 0.01, 0},
        {"2.5e-3", 0.0025, 0.0001, 0},
        {"0100", 100, 100, 0},
        {"0", 0, 1, 0},
        {"000", 0, 100, 0},
        {"0.0", 0, 0.1, 0},
        {"-0", -0.0, 1, 0},
        {"1e-5", 1e-5, 1e-5, 0},
        {"1e0000000000000000000000000000001", 10, 10, 0},
    };
    for (const ReadCase& c : cases)
        expectRead(c);
}

TEST(FloatingPointReading, SignificanceIsNeverFinerThanTheSpacingOfDoubles)
{
    ReadCase cases[] = {
        // spacing 2048 at this value, coarser than the written tens
        {"12345678901234567890", 12345678901234567890.0, 2048, kInexact},
        // 2^53 + 1 reads as 2^53, whose spacing below is 1: as fine as written
        {"9007199254740993", 9007199254740992.0, 1, 0},
        {"9007199254740993.0", 9007199254740992.0, 1, kInexact},
        {"1e-300", 1e-300, 1e-300, 0},
        {"1.0e-306", 1e-306, 1e-307, 0},
        // a written significance below the smallest normal double
        {"1.0e-307", 1e-307, DBL_MIN, kInexact},
        {"0e-400", 0, DBL_MIN, kInexact},
    };
    for (const ReadCase& c : cases)
        expectRead(c);
}

TEST(FloatingPointReading, OutOfRangeValuesOverflowOrUnderflow)
{
    ReadCase cases[] = {
        {"1e400", kInfinity, kInfinity, kOverflow | kInexact},
        {"-1e400", -kInfinity, kInfinity, kOverflow | kInexact},
        {"1e99999999999999999999", kInfinity, kInfinity, kOverflow | kInexact},
        {"0.0001e312", 1e308, 1e308, 0},
        {"1e-400", 0, DBL_MIN, kUnderflow | kInexact},
        {"-1e-400", -0.0, DBL_MIN, kUnderflow | kInexact},
        {"1e-99999999999999999999", 0, DBL_MIN, kUnderflow | kInexact},
        {"1e-310", 1e-310, DBL_MIN, kUnderflow | kInexact},
        {"100000e-313", 1e-308, DBL_MIN, kUnderflow | kInexact},
    };
    for (const ReadCase& c : cases)
        expectRead(c);
}

TEST(FloatingPointReading, NonFiniteNames)
{
    double nan = std::nan("");
    ReadCase cases[] = {
        {"-inf", -kInfinity, 1, 0},
        {"+Infinity", kInfinity, 1, 0},
        {"+INF", kInfinity, 1, 0},
        {"  -  infinity", -kInfinity, 1, 0},
        {"- inf", -kInfinity, 1, 0},
        {"inf", kInfinity, 1, 0},
        {"Infinity", kInfinity, 1, 0},
        {" inf", kInfinity, 1, 0},
        {"nan", nan, 1, 0},
        {"NaN", nan, 1, 0},
        {"NAN", nan, 1, 0},
    };
    for (const ReadCase& c : cases)
        expectRead(c);
}

TEST(FloatingPointReading, OtherTextsAreNotNumbers)
{
    for (std::string_view text : {"", "e5", "E", ".", "+", "-", "+.", ".e1", "1e", "1e+", "1e-", "1E+-5", "1.2.3",
                                  "1,5", " 1.5", "1.5 ", "1 .5", "0x10", "1e5.5", "--1", "+-1", "1f", "1e5e5",
                                  "\t1", "1d", "-nan", "+nan", "nan(1)", "in", "infinit", "infinityy", "-infx",
                                  "inf ", "n", "1n", "- -inf", "-+inf", "+ nan", "nana"})
        EXPECT_FALSE(floatingPointFromText(stringOf(text))) << '"' << text << '"';
}

struct WriteCase {
    double value;
    double significance;
    std::string_view string;
    std::string_view standard;
    std::string_view scientific;
};

void expectWritten(const WriteCase& c, std::uint32_t flags = 0)
{
    FloatingPoint f{c.value, c.significance, flags};
    EXPECT_EQ(floatingPointAsString(f).view(), c.string) << c.value << " ~ " << c.significance;
    EXPECT_EQ(floatingPointAsStandardNotation(f).view(), c.standard) << c.value << " ~ " << c.significance;
    EXPECT_EQ(floatingPointAsScientificNotation(f).view(), c.scientific) << c.value << " ~ " << c.significance;
}

TEST_F(FloatingPointTextTest, WrittenDigitsStopAtTheSignificancePlace)
{
    WriteCase cases[] = {
        {1500, 100, "1500.", "1500.", "1.5e+3"},
        {1500, 0.1, "1500.0", "1500.0", "1.5000e+3"},
        {1.5, 0.1, "1.5", "1.5", "1.5e+0"},
        {-1.5, 0.1, "-1.5", "-1.5", "-1.5e+0"},
        {0.5, 0.1, "0.5", "0.5", "5.e-1"},
        {5, 1, "5.", "5.", "5.e+0"},
        {0.0025, 0.0001, "0.0025", "0.0025", "2.5e-3"},
        {1234, 100, "1200.", "1200.", "1.2e+3"},
        {1250, 100, "1200.", "1200.", "1.2e+3"},
        {-1351, 100, "-1400.", "-1400.", "-1.4e+3"},
        {123456, 0.5, "123456.0", "123456.0", "1.234560e+5"},
        {0.30000000000000004, 0.1414, "0.3", "0.3", "3.e-1"},
        {1.5, -0.1, "1.5", "1.5", "1.5e+0"},
    };
    for (const WriteCase& c : cases)
        expectWritten(c);
}

TEST_F(FloatingPointTextTest, LastDigitIsRoundedToNearestWithTiesToEven)
{
    WriteCase cases[] = {
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
    for (const WriteCase& c : cases)
        expectWritten(c);
}

TEST_F(FloatingPointTextTest, NonFiniteValuesAndZeroHaveFixedTexts)
{
    WriteCase cases[] = {
        {std::nan(""), 1, "NaN", "NaN", "NaN"},
        {kInfinity, 1, "+infinity", "+infinity", "+infinity"},
        {-kInfinity, 0.1, "-infinity", "-infinity", "-infinity"},
        {0.0, 0.001, "0.0", "0.0", "0.0"},
        {-0.0, 100, "0.0", "0.0", "0.0"},
        {0.0, 0.0, "0.0", "0.0", "0.0"},
    };
    for (const WriteCase& c : cases)
        expectWritten(c, kInvalid);
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

TEST_F(FloatingPointTextTest, NonFiniteTextsReadBack)
{
    for (double value : {kInfinity, -kInfinity, std::nan("")}) {
        String written = floatingPointAsString(FloatingPoint{value, 1, 0});
        std::optional<FloatingPoint> read = floatingPointFromText(written);
        ASSERT_TRUE(read) << written.view();
        EXPECT_EQ(std::isnan(read->value), std::isnan(value));
        if (!std::isnan(value)) {
            EXPECT_EQ(read->value, value);
        }
    }
}

} // namespace
