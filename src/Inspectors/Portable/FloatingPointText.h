#pragma once
// Floating point numbers read from and written as text.
//
// Reading: a text with an "n" or "N" anywhere names a non-finite value:
// blanks, an optional sign, blanks and "inf" or "infinity" in any case; an
// unsigned "nan" in any case is NaN. Such values have significance 1.0 and
// no flags. Any other text is an optional sign, a mantissa of digits with at
// most one "." and at least one digit, and an optional exponent ("e" or "E",
// an optional sign and at least one digit); no blanks. The significance is
// 10 to the power of the place of the last written digit (trailing zeros of
// a mantissa without "." do not count, but one digit always does), never
// less than the spacing of doubles at the value nor than the smallest
// normal double. Flags: overflow when the value is infinite, underflow when
// it is zero or subnormal although a digit is not zero, inexact with either
// or when the spacing of doubles exceeds the written significance.
//
// Writing: "NaN", "+infinity", "-infinity" and "0.0" in every notation.
// The significance place is the decimal place of the leading digit of the
// significance. Standard notation: "-" for negative values, every integer
// digit, ".", and the fraction digits down to the significance place (at
// most 53), rounded to nearest (ties to even); the "standard notation" cast
// throws TooLargeForStandardNotation when the digits above the last written
// place amount to 2^53 or more. Scientific notation: the significant digits
// from the leading one down to the significance place (but not below the
// spacing of doubles at the value; at least one), one before the ".", then
// "e", "+" or "-" and the exponent without leading zeros ("1.5e+3"). The
// "string" cast writes standard notation (without that check) when the
// magnitude is below 10^61 and the significance place above -61, else
// scientific notation. Written text lives in the current thread's allocator.
#include <optional>

#include "Inspectors/Portable/FloatingPoint.h"
#include "platform/DebuggableException.h"
#include "registry/CoreValues.h"

GUARD_EXCEPTION(TooLargeForStandardNotation, DebuggableException);

// global "floating point KEY" with a string key, and cast "floating point"
// from string; no value when the text is not a floating point number.
std::optional<FloatingPoint> floatingPointFromText(const String& text);

// casts "string", "standard notation" and "scientific notation".
String floatingPointAsString(const FloatingPoint& number);
String floatingPointAsStandardNotation(const FloatingPoint& number);
String floatingPointAsScientificNotation(const FloatingPoint& number);
