// Fuzz target: the address reader and writer.
//
// Input: an address text. When it reads, every text form of the value must
// read back to the same value (the forms without the zone index to the
// value without its zone), the compressed form above all; and the writer
// must stay within its bound.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "FuzzInput.h"
#include "Inspectors/Portable/Addresses/IPAddressText.h"

namespace guard {

namespace {

bool sameValue(const IPv4or6Address& a, const IPv4or6Address& b)
{
    return a.isIPv6 == b.isIPv6 && a.valid == b.valid && std::memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0 &&
        a.zoneText() == b.zoneText();
}

void checkRoundTrip(const IPv4or6Address& address, AddressForm form)
{
    char text[kMaxAddressTextLength + 1];
    text[kMaxAddressTextLength] = '\x7f';
    char* end = writeIPAddress(address, form, text);
    std::string_view written(text, std::size_t(end - text));
    fuzz::check(written.size() <= kMaxAddressTextLength && text[kMaxAddressTextLength] == '\x7f',
                "the written address is longer than its bound", written);
    std::optional<IPv4or6Address> again = readIPAddress(written);
    fuzz::check(again.has_value(), "a written address does not read back", written);
    IPv4or6Address expected = address;
    if (!form.zoneIndex) {
        expected.zoneLength = 0;
        std::memset(expected.zone, 0, sizeof expected.zone);
    }
    fuzz::check(sameValue(*again, expected), "a written address reads back as another value", written);
    fuzz::check(compareAddresses(*again, expected) == 0, "a written address does not equal its value", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<IPv4or6Address> address = readIPAddress(text);
    if (!address)
        return 0;
    fuzz::check(address->valid == 1, "a read address is not valid", text);
    fuzz::check(address->isIPv6 || address->zoneLength == 0, "an IPv4 address has a zone", text);
    for (int flags = 0; flags < 16; ++flags)
        checkRoundTrip(*address, AddressForm{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0});
    return 0;
}

} // namespace guard
