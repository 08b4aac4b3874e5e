// "ipv4or6 address", "ipv4 address" and "ipv6 address": reading them from
// text, their parts, their text forms and their comparisons, with each
// other and with text.
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/Addresses/IPAddress.h"
#include "Inspectors/Portable/Addresses/IPAddressText.h"
#include "Inspectors/Portable/Addresses/IPVersion.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

// Unique values keep their values in a strict order (see
// compareAddressesStrictly); every other bundle row uses the language's own.
template <>
struct KeptOrder<IPv4or6Address> {
    bool operator()(const IPv4or6Address& a, const IPv4or6Address& b) const
    {
        return compareAddressesStrictly(a, b) < 0;
    }
};
template <>
struct KeptOrder<IPv4Address> : KeptOrder<IPv4or6Address> {
};
template <>
struct KeptOrder<IPv6Address> : KeptOrder<IPv4or6Address> {
};

namespace {

// "ipv4 address KEY": a text of 7 to 31 bytes spelling an IPv4 address.
std::optional<IPv4Address> readIPv4Text(std::string_view text)
{
    if (text.size() < 7 || text.size() > 31)
        return std::nullopt;
    std::optional<IPv4or6Address> address = readIPAddress(text);
    if (!address || address->isIPv6)
        return std::nullopt;
    return IPv4Address{*address};
}

// "ipv4or6 address KEY", "ipv6 address KEY" and the casts from string: a
// text of 2 to 50 bytes spelling any address (an IPv4 text stays IPv4).
std::optional<IPv4or6Address> readAnyText(std::string_view text)
{
    if (text.size() < 2 || text.size() > 50)
        return std::nullopt;
    return readIPAddress(text);
}

std::optional<IPv4Address> ipv4AddressFromText(const String& text) { return readIPv4Text(text.view()); }

std::optional<IPv4or6Address> ipv4or6AddressFromText(const String& text) { return readAnyText(text.view()); }

std::optional<IPv6Address> ipv6AddressFromText(const String& text)
{
    if (std::optional<IPv4or6Address> address = readAnyText(text.view()))
        return IPv6Address{*address};
    return std::nullopt;
}

template <class Address>
IPv4Address ipv4Part(const Address& address)
{
    return IPv4Address{address.ipv4Part()};
}

template <class Address>
std::optional<std::int64_t> hexadecet(std::int64_t index, const Address& address)
{
    if (!address.isIPv6 || index < 0 || index > 7)
        return std::nullopt;
    auto at = std::size_t(index) * 2;
    return std::int64_t(address.bytes[at]) << 8 | address.bytes[at + 1];
}

IPVersion ipVersionOf(const IPv4or6Address& address) { return IPVersion{address.isIPv6 ? 1u : 0u}; }

template <class Address, bool leadingZeros, bool ipv4Tail, bool compressed, bool zoneIndex>
String asText(const Address& address)
{
    return addressAsString(address, AddressForm{leadingZeros, ipv4Tail, compressed, zoneIndex});
}

IPv6Address ipv4AsIPv6(const IPv4Address& address) { return IPv6Address{address.mapped()}; }
IPv4or6Address ipv4AsIPv4or6(const IPv4Address& address) { return address.mapped(); }
IPv4or6Address ipv6AsIPv4or6(const IPv6Address& address) { return address; }

// Comparisons with text: the text is read by the rule of the address's own
// type ("ipv4 address KEY" for an ipv4 address, "ipv4or6 address KEY"
// otherwise); a text that does not read has no answer.
enum class Relation { Equal, Less, LessOrEqual };

template <class Address>
std::optional<IPv4or6Address> readLike(const String& text)
{
    if constexpr (std::is_same_v<Address, IPv4Address>)
        return readIPv4Text(text.view());
    else
        return readAnyText(text.view());
}

bool holds(Relation relation, int order)
{
    switch (relation) {
    case Relation::Equal: return order == 0;
    case Relation::Less: return order < 0;
    case Relation::LessOrEqual: return order <= 0;
    }
    return false;
}

template <class Address, Relation relation>
bool addressAndText(const Address& address, const String& text)
{
    std::optional<IPv4or6Address> other = readLike<Address>(text);
    if (!other)
        throw NoSuchObject();
    return holds(relation, compareAddresses(address, *other));
}

template <class Address, Relation relation>
bool textAndAddress(const String& text, const Address& address)
{
    std::optional<IPv4or6Address> other = readLike<Address>(text);
    if (!other)
        throw NoSuchObject();
    return holds(relation, compareAddresses(*other, address));
}

// The ten text forms of an IPv6 value, as casts from Address.
template <class Address>
constexpr auto textCasts()
{
    return std::array{
        cast<asText<Address, false, false, false, false>>("string"),
        cast<asText<Address, true, false, false, false>>("string with leading zeros"),
        cast<asText<Address, false, true, false, false>>("string with ipv4"),
        cast<asText<Address, false, false, true, false>>("compressed string"),
        cast<asText<Address, false, true, true, false>>("compressed string with ipv4"),
        cast<asText<Address, false, false, false, true>>("string with zone index"),
        cast<asText<Address, true, false, false, true>>("string with leading zeros with zone index"),
        cast<asText<Address, false, true, false, true>>("string with ipv4 with zone index"),
        cast<asText<Address, false, false, true, true>>("compressed string with zone index"),
        cast<asText<Address, false, true, true, true>>("compressed string with ipv4 with zone index"),
    };
}

template <class Address>
constexpr auto textComparisons()
{
    return std::array{
        binary<kEqual, addressAndText<Address, Relation::Equal>>(),
        binary<kLessThan, addressAndText<Address, Relation::Less>>(),
        binary<kLessThanOrEqual, addressAndText<Address, Relation::LessOrEqual>>(),
    };
}

template <class Address>
constexpr auto reversedTextComparisons()
{
    return std::array{
        binary<kEqual, textAndAddress<Address, Relation::Equal>>(),
        binary<kLessThan, textAndAddress<Address, Relation::Less>>(),
        binary<kLessThanOrEqual, textAndAddress<Address, Relation::LessOrEqual>>(),
    };
}

} // namespace

// "ipv4or6 address"
GUARD_INSPECTORS(type<IPv4or6Address>(),
                 property<Shape::Keyed, ipv4or6AddressFromText>("ipv4or6 address", "ipv4or6 addresses"),
                 property<Shape::Of, ipv4Part<IPv4or6Address>>("ipv4 part", "ipv4 parts"),
                 property<Shape::KeyedOf, hexadecet<IPv4or6Address>>("hexadecet", "hexadecets"),
                 property<Shape::Of, ipVersionOf>("ip version", "ip versions"))
GUARD_INSPECTOR_ARRAY(textCasts<IPv4or6Address>())
GUARD_INSPECTOR_ARRAY(textComparisons<IPv4or6Address>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<IPv4or6Address>())

// "ipv4 address"
GUARD_INSPECTORS(type<IPv4Address>(), property<Shape::Keyed, ipv4AddressFromText>("ipv4 address", "ipv4 addresses"),
                 cast<asText<IPv4Address, false, false, false, false>>("string"), cast<ipv4AsIPv6>("ipv6 address"),
                 cast<ipv4AsIPv4or6>("ipv4or6 address"))
GUARD_INSPECTOR_ARRAY(textComparisons<IPv4Address>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<IPv4Address>())

// "ipv6 address"
GUARD_INSPECTORS(type<IPv6Address>(), property<Shape::Keyed, ipv6AddressFromText>("ipv6 address", "ipv6 addresses"),
                 property<Shape::Of, ipv4Part<IPv6Address>>("ipv4 part", "ipv4 parts"),
                 property<Shape::KeyedOf, hexadecet<IPv6Address>>("hexadecet", "hexadecets"),
                 cast<ipv6AsIPv4or6>("ipv4or6 address"))
GUARD_INSPECTOR_ARRAY(textCasts<IPv6Address>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<IPv6Address>())

// The address rows of "string".
GUARD_INSPECTORS(cast<ipv6AddressFromText>("ipv6 address"), cast<ipv4or6AddressFromText>("ipv4or6 address"))
GUARD_INSPECTOR_ARRAY(reversedTextComparisons<IPv4Address>())
GUARD_INSPECTOR_ARRAY(reversedTextComparisons<IPv4or6Address>())

} // namespace guard
