#pragma once
// Integers read from and written as text, and integers rounded to a number
// of significant decimal digits.
//
// Readers accept exactly their numeral and nothing else (no blanks, no
// prefix); any other text, or a value outside the 64-bit range, is no value.
// Written text lives in the current thread's value allocator.
#include <cstdint>
#include <optional>

#include "registry/CoreValues.h"

namespace guard {

// global "integer KEY" with a string key, and cast "integer" from string: an
// optional "+" or "-" and one or more decimal digits.
std::optional<std::int64_t> integerFromText(const String& text);
// cast "string" from integer: decimal, "-" before negative numbers.
String integerAsString(std::int64_t value);

// global "hexadecimal integer KEY": one or more hexadecimal digits of either
// case, at most 7fffffffffffffff.
std::optional<std::int64_t> hexadecimalIntegerFromText(const String& text);
// cast "hexadecimal" from integer: the 64-bit pattern in lowercase digits
// without leading zeros ("0" for zero, 16 digits for a negative number).
String integerAsHexadecimal(std::int64_t value);

// global "hexadecimal string KEY": each pair of hexadecimal digits is one
// byte, high nibble first; an odd length or another character is no value.
std::optional<String> hexadecimalStringFromText(const String& text);
// cast "hexadecimal" from string: each byte as two lowercase digits.
String stringAsHexadecimal(const String& text);

// "significant digits KEY of INTEGER": the value rounded half away from zero
// to KEY significant decimal digits. A key below 0 or from 2^32 up, or a
// rounded result outside the 64-bit range, is no value.
std::optional<std::int64_t> significantDigitsOfInteger(std::int64_t key, std::int64_t value);

} // namespace guard
