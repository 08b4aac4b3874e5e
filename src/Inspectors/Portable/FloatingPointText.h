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
// Otherwise the digits run from the value's leading digit down to the
// significance place (the place of the leading digit of the significance),
// rounded to nearest with ties to even; when that place lies above the
// leading digit, one digit is written. Standard notation: "-" for negative
// values, the integer digits (those below the significance place as "0"),
// ".", and the fraction digits (at most 53); the "standard notation" cast
// throws TooLargeForStandardNotation when the written digits, read as an
// integer in units of the last place, amount to 2^53 or more. Scientific
// notation: the same digits, but none below the spacing of doubles at the
// value, one of them before the ".", then "e", "+" or "-" and the exponent
// without leading zeros ("1.5e+3", "5.e-1"). The "string" cast writes
// standard notation (without that check) when the magnitude is below 10^61
// and the significance place above -61, else scientific notation. Written
// text lives in the current thread's allocator.
#include <optional>

#include "Inspectors/Portable/FloatingPoint.h"
#include "platform/DebuggableException.h"
#include "registry/CoreValues.h"

namespace guard {

GUARD_EXCEPTION(TooLargeForStandardNotation, DebuggableException);

// global "floating point KEY" with a string key, and cast "floating point"
// from string; no value when the text is not a floating point number.
std::optional<FloatingPoint> floatingPointFromText(const String& text);

// casts "string", "standard notation" and "scientific notation".
String floatingPointAsString(const FloatingPoint& number);
String floatingPointAsStandardNotation(const FloatingPoint& number);
String floatingPointAsScientificNotation(const FloatingPoint& number);

} // namespace guard
