#include "xml/XMLEntity.h"

#include "pipeline/HexDigits.h"

#include <array>

namespace guard {

namespace {

// One byte of every value, so that a decoded byte can be returned as a view.
constexpr std::array<char, 256> kEveryByte = [] {
    std::array<char, 256> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}();

} // namespace

std::string_view decodeXMLEntity(std::string_view entity)
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
            int digit = hexDigitValue(static_cast<unsigned char>(c));
            if (digit < 0)
                break;
            value = value >= 256 ? 256 : value * 16 + static_cast<unsigned>(digit);
        }
        if (value < 256)
            return std::string_view(&kEveryByte[value], 1);
    }
    return entity;
}

} // namespace guard
