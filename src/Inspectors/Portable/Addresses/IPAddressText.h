#pragma once
// The address reader and writer: text to address value and back, by the
// language's own rules (no platform resolver or converter is involved).
//
// Reading. An IPv4 text is four decimal octets of 1 to 3 digits each, 0 to
// 255, leading zeros allowed ("010.0.0.1" is 10.0.0.1). An IPv6 text is up
// to eight groups of 1 to 4 hexadecimal digits (either case) separated by
// ":", with at most one "::" standing for one or more zero groups, and
// optionally four octets in place of the last two groups. A "%" and a zone
// index of 1 to kMaxZoneLength bytes (any bytes, to the end of the text) may
// follow an IPv6 text. Refused, besides malformed texts: the IPv4 address
// 255.255.255.255, a zone index after an IPv4 text, an empty or longer zone
// index (it would not fit the value; cutting it would make different
// addresses equal), and "::1.2.3.4"-like texts are IPv6 (the "::" says so).
//
// Writing. An IPv4 value is always dotted decimal. An IPv6 value is written
// by the form's flags; hexadecimal digits are lowercase.
#include <optional>
#include <string_view>

#include "Inspectors/Portable/Addresses/IPAddress.h"
#include "registry/CoreValues.h"

namespace guard {

// The address the text spells, or nothing.
std::optional<IPv4or6Address> readIPAddress(std::string_view text);

// An address text failed to read (for callers that report it).
GUARD_EXCEPTION(NotAnIPAddress, DebuggableException);
// As readIPAddress, but a text that does not read throws NotAnIPAddress.
IPv4or6Address readIPAddressOrThrow(std::string_view text);

struct AddressForm {
    bool leadingZeros = false; // four digits a group
    bool ipv4Tail = false;     // six groups, then the last 32 bits dotted
    bool compressed = false;   // the longest run of zero groups as "::"
    bool zoneIndex = false;    // "%" and the zone index, when there is one
};

// The longest text writeIPAddress produces.
// (six groups of four digits, six colons and a dotted tail of fifteen bytes,
// then "%" and the zone index).
inline constexpr std::size_t kMaxAddressTextLength = 6 * 5 + 15 + 1 + IPv4or6Address::kMaxZoneLength;

// Writes the address into `out` (at least kMaxAddressTextLength bytes) and
// gives the end of the text.
char* writeIPAddress(const IPv4or6Address& address, AddressForm form, char* out);

// The written text in the current thread's value allocator.
String addressAsString(const IPv4or6Address& address, AddressForm form);

} // namespace guard
