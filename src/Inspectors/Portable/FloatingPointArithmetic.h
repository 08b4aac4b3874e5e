#pragma once
// Arithmetic and comparison of floating point numbers, alone and with
// integers.
//
// A result's value is the IEEE result of the operation (infinity or NaN
// included; nothing fails), its flags are the operands' flags OR-ed with the
// exceptions the operation raised (an integer operand's conversion to double
// counts as part of the operation), and its significance propagates the
// operands' significances (sa, sb for values a, b):
//   a + b, a - b:  hypot(sa, sb)
//   a * b:         hypot(hypot(sa * b, a * sb), sa * sb)
//   a / b:         hypot(hypot(sa * b, a * sb), sa * sb) / b / b
// With an integer n: + and - keep the floating operand's significance, *
// multiplies it by n, F / n divides it by n, n / F gives n * s / v / v.
// Comparisons compare values (an integer converted to double); any
// comparison with a NaN is false.
#include <cstdint>

#include "Inspectors/Portable/FloatingPoint.h"

namespace guard {

// cast "floating point" from integer: significance 1.0, inexact when the
// integer has no exact double.
FloatingPoint integerAsFloatingPoint(std::int64_t value);
// cast "floating point" from floating point and global "floating point KEY"
// with a floating point key: the operand unchanged.
FloatingPoint sameFloatingPoint(const FloatingPoint& operand);
// unary "-": the value negated, significance and flags kept.
FloatingPoint negateFloatingPoint(const FloatingPoint& operand);

FloatingPoint addFloatingPoints(const FloatingPoint& left, const FloatingPoint& right);
FloatingPoint subtractFloatingPoints(const FloatingPoint& left, const FloatingPoint& right);
FloatingPoint multiplyFloatingPoints(const FloatingPoint& left, const FloatingPoint& right);
FloatingPoint divideFloatingPoints(const FloatingPoint& left, const FloatingPoint& right);

FloatingPoint addFloatingPointAndInteger(const FloatingPoint& left, std::int64_t right);
FloatingPoint addIntegerAndFloatingPoint(std::int64_t left, const FloatingPoint& right);
FloatingPoint subtractIntegerFromFloatingPoint(const FloatingPoint& left, std::int64_t right);
FloatingPoint subtractFloatingPointFromInteger(std::int64_t left, const FloatingPoint& right);
FloatingPoint multiplyFloatingPointByInteger(const FloatingPoint& left, std::int64_t right);
FloatingPoint multiplyIntegerByFloatingPoint(std::int64_t left, const FloatingPoint& right);
FloatingPoint divideFloatingPointByInteger(const FloatingPoint& left, std::int64_t right);
FloatingPoint divideIntegerByFloatingPoint(std::int64_t left, const FloatingPoint& right);

// "=", "<", "<=" with an integer, in either order.
bool floatingPointEqualsInteger(const FloatingPoint& left, std::int64_t right);
bool floatingPointLessThanInteger(const FloatingPoint& left, std::int64_t right);
bool floatingPointAtMostInteger(const FloatingPoint& left, std::int64_t right);
bool integerEqualsFloatingPoint(std::int64_t left, const FloatingPoint& right);
bool integerLessThanFloatingPoint(std::int64_t left, const FloatingPoint& right);
bool integerAtMostFloatingPoint(std::int64_t left, const FloatingPoint& right);

// The order and equality of two floating point numbers: by value only.
inline bool operator==(const FloatingPoint& left, const FloatingPoint& right) { return left.value == right.value; }
inline bool operator<(const FloatingPoint& left, const FloatingPoint& right) { return left.value < right.value; }
inline bool operator<=(const FloatingPoint& left, const FloatingPoint& right) { return left.value <= right.value; }

} // namespace guard
