#include "Inspectors/Portable/Addresses/IPAddressText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace guard {

namespace {

IPv4or6Address read(std::string_view text)
{
    std::optional<IPv4or6Address> address = readIPAddress(text);
    EXPECT_TRUE(address.has_value()) << text;
    return address.value_or(IPv4or6Address());
}

std::string write(const IPv4or6Address& address, AddressForm form)
{
    char text[kMaxAddressTextLength];
    return std::string(text, writeIPAddress(address, form, text));
}

TEST(IPAddressText, ReportingReaderThrowsForWhatTheReaderRefuses)
{
    EXPECT_THROW(readIPAddressOrThrow(""), NotAnIPAddress);
    EXPECT_THROW(readIPAddressOrThrow("255.255.255.255"), NotAnIPAddress);
    EXPECT_THROW(readIPAddressOrThrow("1.2.3.4%1"), NotAnIPAddress);
    EXPECT_EQ(readIPAddressOrThrow("1.2.3.4").bytes[15], 4);
}

TEST(IPAddressText, TextMayHoldAnyBytesAndStopsAtItsLength)
{
    // The text is a byte range: a NUL inside it is a byte like any other.
    EXPECT_FALSE(readIPAddress(std::string_view("1.2.3.4\0", 8)).has_value());
    EXPECT_FALSE(readIPAddress(std::string_view("::1\0", 4)).has_value());
    IPv4or6Address zoned = read(std::string_view("fe80::1%a\0b", 11));
    EXPECT_EQ(zoned.zoneText(), std::string_view("a\0b", 3));
    EXPECT_EQ(read(std::string_view("::1.2.3.4x", 9)).bytes[15], 4);
}

TEST(IPAddressText, EveryFormReadsBackToTheSameAddress)
{
    for (std::string_view text :
         {"::", "::1", "1::", "2001:db8::1", "1:0:0:2:0:0:0:3", "::ffff:1.2.3.4", "fe80::1%eth0", "1:2:3:4:5:6:7:8",
          "0:0:1::", "10.0.0.1", "ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255"}) {
        IPv4or6Address address = read(text);
        for (int flags = 0; flags < 8; ++flags) {
            AddressForm form{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, true};
            std::string written = write(address, form);
            std::optional<IPv4or6Address> again = readIPAddress(written);
            ASSERT_TRUE(again.has_value()) << text << " written " << written;
            EXPECT_EQ(compareAddresses(*again, address), 0) << text << " written " << written;
            EXPECT_EQ(again->isIPv6, address.isIPv6) << text << " written " << written;
        }
    }
}

// The language's order is not transitive around IPv4-mapped values; the
// strict order used for unique values must be, and must agree with the
// language's everywhere else.
TEST(IPAddressText, StrictOrderIsTransitiveAndAgreesOutsideTheMappedCorner)
{
    std::vector<IPv4or6Address> sample;
    for (std::string_view text :
         {"::", "::1", "::1.2.3.4", "::fffe:1.2.3.4", "::ffff:1.2.3.4", "::ffff:1.2.3.5", "::1:0:0:0", "1.2.3.4",
          "1.2.3.5", "0.0.0.1", "fe80::1", "fe80::1%a", "fe80::1%b", "2001:db8::1", "::ffff:1.2.3.4%z"})
        sample.push_back(read(text));
    auto less = [](const IPv4or6Address& a, const IPv4or6Address& b) { return compareAddressesStrictly(a, b) < 0; };
    for (const auto& a : sample) {
        EXPECT_FALSE(less(a, a));
        for (const auto& b : sample) {
            EXPECT_EQ(compareAddressesStrictly(a, b), -compareAddressesStrictly(b, a));
            for (const auto& c : sample) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c));
                }
            }
            bool mappedCorner = a.isIPv6 && b.isIPv6 && a.isMapped() != b.isMapped();
            if (!mappedCorner) {
                EXPECT_EQ(compareAddressesStrictly(a, b), compareAddresses(a, b))
                    << write(a, AddressForm{false, false, true, true}) << " "
                    << write(b, AddressForm{false, false, true, true});
            }
        }
    }
}

} // namespace

} // namespace guard
