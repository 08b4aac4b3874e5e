#pragma once

namespace guard {
// Hexadecimal digits: the value of a digit of either letter case, and the
// lowercase digit for a value.
inline int hexDigitValue(unsigned char byte)
{
    if (byte >= '0' && byte <= '9')
        return byte - '0';
    if (byte >= 'a' && byte <= 'f')
        return byte - 'a' + 10;
    if (byte >= 'A' && byte <= 'F')
        return byte - 'A' + 10;
    return -1;
}

inline constexpr char kLowercaseHexDigits[] = "0123456789abcdef";

} // namespace guard
