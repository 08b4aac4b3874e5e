#include "xml/XMLEntity.h"

#include <array>

namespace {

// One byte of every value, so that a decoded byte can be returned as a view.
constexpr std::array<char, 256> kEveryByte = [] {
    std::array<char, 256> bytes{};
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}();

int HexDigitValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string_view DecodeXMLEntity(std::string_view entity)
{
    if (entity == "&lt;")
        return "<";
    if (entity == "&gt;")
        return ">";
    if (entity == "&amp;")
        return "&";
    if (entity == "&quot;")
        return "\"";
    if (entity.starts_with("&#x")) {
        // Saturates at 256: every larger value is treated alike.
        unsigned value = 0;
        for (char c : entity.substr(3)) {
            int digit = HexDigitValue(static_cast<unsigned char>(c));
            if (digit < 0)
                break;
            value = value >= 256 ? 256 : value * 16 + static_cast<unsigned>(digit);
        }
        if (value < 256)
            return std::string_view(&kEveryByte[value], 1);
    }
    return entity;
}
