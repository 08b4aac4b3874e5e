#pragma once
// The values of "ipv4or6 address" and its two kinds, "ipv4 address" and
// "ipv6 address", with their order.
//
// All three share one 28-byte layout: the kind (0 IPv4, 1 IPv6), a valid
// flag, the 16 address bytes in network order (an IPv4 address in bytes 12
// to 15, the first twelve zero) and the zone index of an IPv6 address, the
// text after "%", of at most kMaxZoneLength bytes. A value of a kind is
// accepted wherever "ipv4or6 address" is asked for, so the kinds derive from
// it and add nothing.
#include <cstdint>
#include <string_view>

#include "registry/CoreValues.h"

namespace guard {

struct IPv4or6Address {
    static constexpr std::size_t kMaxZoneLength = 9;

    std::uint8_t isIPv6 = 0;
    std::uint8_t valid = 0;
    std::uint8_t bytes[16] = {};
    std::uint8_t zoneLength = 0;
    char zone[kMaxZoneLength] = {};

    std::string_view zoneText() const { return std::string_view(zone, zoneLength); }
    // An IPv6 value of the form ::ffff:a.b.c.d.
    bool isMapped() const;
    // The IPv4 value of the last four bytes.
    IPv4or6Address ipv4Part() const;
    // The IPv4-mapped IPv6 form of an IPv4 value (any other value unchanged).
    IPv4or6Address mapped() const;
};
static_assert(sizeof(IPv4or6Address) == 28);

struct IPv4Address : IPv4or6Address { };
struct IPv6Address : IPv4or6Address { };

// The order of the language: every IPv4 value before every IPv6 value, then
// the 16 bytes, then the zone text; but an IPv4 value met with an
// IPv4-mapped IPv6 value is compared in its mapped form, so that 1.2.3.4
// equals ::ffff:1.2.3.4.
int compareAddresses(const IPv4or6Address& left, const IPv4or6Address& right);

// That rule is not transitive (::1 < ::ffff:1.2.3.4 = 1.2.3.4 < ::1), so
// what needs a strict order of many values (the unique values) uses this
// one: IPv4 values and IPv4-mapped values first, in their mapped form, then
// every other IPv6 value by its bytes, then by zone. It agrees with
// compareAddresses on every pair except an IPv4-mapped value met with an
// IPv6 value below ::ffff:0:0 (such as ::1).
int compareAddressesStrictly(const IPv4or6Address& left, const IPv4or6Address& right);

inline bool operator==(const IPv4or6Address& left, const IPv4or6Address& right)
{
    return compareAddresses(left, right) == 0;
}
inline bool operator<(const IPv4or6Address& left, const IPv4or6Address& right)
{
    return compareAddresses(left, right) < 0;
}

template <>
struct GuardType<IPv4or6Address> {
    static constexpr const char* name = "ipv4or6 address";
};
template <>
struct GuardType<IPv4Address> {
    static constexpr const char* name = "ipv4 address";
    static constexpr const char* base = "ipv4or6 address";
};
template <>
struct GuardType<IPv6Address> {
    static constexpr const char* name = "ipv6 address";
    static constexpr const char* base = "ipv4or6 address";
};

} // namespace guard
