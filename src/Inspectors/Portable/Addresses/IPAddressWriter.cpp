// The address writer: dotted decimal for IPv4, groups for IPv6 as the form
// asks, written into a fixed buffer and copied once into the allocator.
#include <algorithm>
#include <cassert>

#include "Inspectors/Portable/Addresses/IPAddressText.h"
#include "pipeline/HexDigits.h"

namespace guard {

namespace {

char* writeDecimalByte(std::uint8_t value, char* out)
{
    if (value >= 100)
        *out++ = char('0' + value / 100);
    if (value >= 10)
        *out++ = char('0' + value / 10 % 10);
    *out++ = char('0' + value % 10);
    return out;
}

char* writeDotted(const std::uint8_t* bytes, char* out)
{
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            *out++ = '.';
        out = writeDecimalByte(bytes[i], out);
    }
    return out;
}

char* writeGroup(unsigned group, bool leadingZeros, char* out)
{
    bool started = leadingZeros;
    for (int shift = 12; shift > 0; shift -= 4) {
        unsigned digit = (group >> shift) & 0xf;
        started = started || digit != 0;
        if (started)
            *out++ = kLowercaseHexDigits[digit];
    }
    *out++ = kLowercaseHexDigits[group & 0xf];
    return out;
}

} // namespace

char* writeIPAddress(const IPv4or6Address& address, AddressForm form, char* out)
{
    if (!address.isIPv6)
        return writeDotted(address.bytes + 12, out);

    const int count = form.ipv4Tail ? 6 : 8;
    unsigned groups[8];
    for (int i = 0; i < 8; ++i)
        groups[i] = unsigned(address.bytes[2 * i]) << 8 | address.bytes[2 * i + 1];

    // The longest run of zero groups (the first of equally long ones), even
    // a run of one group; none when no group is zero.
    int runStart = count;
    int runLength = 0;
    if (form.compressed) {
        for (int i = 0; i < count;) {
            if (groups[i] != 0) {
                ++i;
                continue;
            }
            int j = i;
            while (j < count && groups[j] == 0)
                ++j;
            if (j - i > runLength) {
                runStart = i;
                runLength = j - i;
            }
            i = j;
        }
    }

    bool afterRun = false;
    for (int i = 0; i < count;) {
        if (i == runStart) {
            *out++ = ':';
            *out++ = ':';
            i += runLength;
            afterRun = true;
            continue;
        }
        if (i > 0 && !(afterRun && i == runStart + runLength))
            *out++ = ':';
        out = writeGroup(groups[i], form.leadingZeros, out);
        ++i;
    }
    if (form.ipv4Tail) {
        if (!(runLength > 0 && runStart + runLength == count))
            *out++ = ':';
        out = writeDotted(address.bytes + 12, out);
    }
    if (form.zoneIndex && address.zoneLength > 0) {
        *out++ = '%';
        out = std::copy(address.zone, address.zone + address.zoneLength, out);
    }
    return out;
}

String addressAsString(const IPv4or6Address& address, AddressForm form)
{
    char text[kMaxAddressTextLength];
    char* end = writeIPAddress(address, form, text);
    assert(std::size_t(end - text) <= sizeof text);
    return String::copy(text, end);
}

} // namespace guard
