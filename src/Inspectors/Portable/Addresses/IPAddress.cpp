#include "Inspectors/Portable/Addresses/IPAddress.h"

#include <algorithm>
#include <cstring>

namespace guard {

namespace {

constexpr std::uint8_t kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};

int compareBytesThenZone(const IPv4or6Address& left, const IPv4or6Address& right)
{
    if (int order = std::memcmp(left.bytes, right.bytes, sizeof left.bytes))
        return order < 0 ? -1 : 1;
    auto zoneOrder = left.zoneText() <=> right.zoneText();
    return zoneOrder < 0 ? -1 : zoneOrder > 0 ? 1 : 0;
}

} // namespace

bool IPv4or6Address::isMapped() const { return isIPv6 && std::memcmp(bytes, kMappedPrefix, sizeof kMappedPrefix) == 0; }

IPv4or6Address IPv4or6Address::ipv4Part() const
{
    IPv4or6Address part;
    part.valid = 1;
    std::copy(bytes + 12, bytes + 16, part.bytes + 12);
    return part;
}

IPv4or6Address IPv4or6Address::mapped() const
{
    if (isIPv6)
        return *this;
    IPv4or6Address result = *this;
    result.isIPv6 = 1;
    std::copy(std::begin(kMappedPrefix), std::end(kMappedPrefix), result.bytes);
    return result;
}

int compareAddresses(const IPv4or6Address& left, const IPv4or6Address& right)
{
    if (left.isIPv6 != right.isIPv6) {
        if (left.isMapped() || right.isMapped())
            return compareBytesThenZone(left.mapped(), right.mapped());
        return left.isIPv6 ? 1 : -1;
    }
    return compareBytesThenZone(left, right);
}

int compareAddressesStrictly(const IPv4or6Address& left, const IPv4or6Address& right)
{
    IPv4or6Address a = left.mapped();
    IPv4or6Address b = right.mapped();
    bool aFirst = a.isMapped();
    bool bFirst = b.isMapped();
    if (aFirst != bFirst)
        return aFirst ? -1 : 1;
    return compareBytesThenZone(a, b);
}

} // namespace guard
