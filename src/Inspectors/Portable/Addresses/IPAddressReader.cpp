// The address reader: one pass over the text, groups and octets counted as
// they come, then the counts decide IPv4, IPv6 or nothing.
#include <algorithm>

#include "Inspectors/Portable/Addresses/IPAddressText.h"
#include "pipeline/HexDigits.h"

namespace guard {

namespace {

struct Pieces {
    std::uint16_t groups[8] = {};
    int groupCount = 0;
    int compressAt = -1; // groups before the "::", or -1 without one
    std::uint8_t octets[4] = {};
    int octetCount = 0;
};

// Splits [at, end) into groups and octets; false on anything malformed.
bool split(const char* at, const char* end, Pieces& pieces)
{
    if (at == end)
        return false;
    if (*at == ':') {
        // A leading colon only as part of a leading "::".
        if (end - at < 2 || at[1] != ':')
            return false;
        pieces.compressAt = 0;
        at += 2;
        if (at == end)
            return true;
    }
    for (;;) {
        const char* token = at;
        int value = 0;
        int decimal = 0; // the token's value read as decimal
        bool allDecimal = true;
        while (at != end && at - token < 5) {
            int digit = hexDigitValue(static_cast<unsigned char>(*at));
            if (digit < 0)
                break;
            value = value * 16 + digit;
            allDecimal = allDecimal && digit < 10;
            decimal = decimal * 10 + digit;
            ++at;
        }
        std::ptrdiff_t length = at - token;
        if (length == 0)
            return false;
        char separator = at == end ? '\0' : *at;
        bool isOctet = separator == '.' || pieces.octetCount > 0;
        if (isOctet) {
            if (!allDecimal || length > 3 || decimal > 255 || pieces.octetCount == 4)
                return false;
            pieces.octets[pieces.octetCount++] = std::uint8_t(decimal);
            if (at == end)
                return true;
            if (separator != '.' || pieces.octetCount == 4)
                return false; // nothing may follow the fourth octet
            ++at;
            if (at == end)
                return false;
            continue;
        }
        if (length > 4 || pieces.groupCount == 8)
            return false;
        pieces.groups[pieces.groupCount++] = std::uint16_t(value);
        if (at == end)
            return true;
        if (separator != ':')
            return false;
        ++at;
        if (at != end && *at == ':') {
            if (pieces.compressAt >= 0)
                return false; // a second "::"
            pieces.compressAt = pieces.groupCount;
            ++at;
            if (at == end)
                return true;
        } else if (at == end) {
            return false; // a single trailing colon
        }
    }
}

} // namespace

std::optional<IPv4or6Address> readIPAddress(std::string_view text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* percent = std::find(begin, end, '%');

    Pieces pieces;
    if (!split(begin, percent, pieces))
        return std::nullopt;

    IPv4or6Address address;
    address.valid = 1;
    if (pieces.groupCount == 0 && pieces.compressAt < 0) {
        // Four octets alone: IPv4, without a zone index.
        if (pieces.octetCount != 4 || percent != end)
            return std::nullopt;
        if (std::all_of(pieces.octets, pieces.octets + 4, [](std::uint8_t octet) { return octet == 255; }))
            return std::nullopt;
        std::copy(pieces.octets, pieces.octets + 4, address.bytes + 12);
        return address;
    }

    if (pieces.octetCount != 0 && pieces.octetCount != 4)
        return std::nullopt;
    const int slots = pieces.octetCount == 4 ? 6 : 8;
    if (pieces.compressAt < 0 ? pieces.groupCount != slots : pieces.groupCount >= slots)
        return std::nullopt;

    address.isIPv6 = 1;
    const int before = pieces.compressAt < 0 ? pieces.groupCount : pieces.compressAt;
    const int after = pieces.groupCount - before;
    for (int i = 0; i < pieces.groupCount; ++i) {
        int slot = i < before ? i : slots - after + (i - before);
        address.bytes[2 * slot] = std::uint8_t(pieces.groups[i] >> 8);
        address.bytes[2 * slot + 1] = std::uint8_t(pieces.groups[i] & 0xff);
    }
    if (pieces.octetCount == 4)
        std::copy(pieces.octets, pieces.octets + 4, address.bytes + 12);

    if (percent != end) {
        std::size_t zoneLength = std::size_t(end - percent - 1);
        if (zoneLength == 0 || zoneLength > IPv4or6Address::kMaxZoneLength)
            return std::nullopt;
        std::copy(percent + 1, end, address.zone);
        address.zoneLength = std::uint8_t(zoneLength);
    }
    return address;
}

IPv4or6Address readIPAddressOrThrow(std::string_view text)
{
    std::optional<IPv4or6Address> address = readIPAddress(text);
    if (!address)
        throw NotAnIPAddress();
    return *address;
}

} // namespace guard
