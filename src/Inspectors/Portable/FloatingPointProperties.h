#pragma once
// Properties of a floating point number: its significance, its exception
// flags, its class (finite, infinite, NaN, normal) and its integer
// neighbours.
//
// The significance places compute through log10, whose exceptions are not
// exactly defined; these results keep the operand's flags and add none.
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/FloatingPoint.h"

namespace guard {

// "significance threshold of F": value the significance, significance 0.01 of that.
FloatingPoint significanceThreshold(const FloatingPoint& number);
// "significance place of F": value log10(significance), significance 0.01.
FloatingPoint significancePlace(const FloatingPoint& number);
// "relative significance place of F": log10(|value|) - log10(significance), significance 0.01.
FloatingPoint relativeSignificancePlace(const FloatingPoint& number);

// Keyed forms; a negative key is no value.
// "more significance K": significance / 10^K; "less significance K":
// significance * 10^K; "significance place K": significance 10^K;
// "relative significance place K": significance |value| / 10^K.
std::optional<FloatingPoint> moreSignificance(std::int64_t key, const FloatingPoint& number);
std::optional<FloatingPoint> lessSignificance(std::int64_t key, const FloatingPoint& number);
std::optional<FloatingPoint> withSignificancePlace(std::int64_t key, const FloatingPoint& number);
std::optional<FloatingPoint> withRelativeSignificancePlace(std::int64_t key, const FloatingPoint& number);

// "divided by zero", "inexact", "invalid", "overflow", "underflow".
bool dividedByZeroFlag(const FloatingPoint& number);
bool inexactFlag(const FloatingPoint& number);
bool invalidFlag(const FloatingPoint& number);
bool overflowFlag(const FloatingPoint& number);
bool underflowFlag(const FloatingPoint& number);
// "finite", "infinite", "nan" (quiet or signalling), "normal".
bool isFiniteNumber(const FloatingPoint& number);
bool isInfiniteNumber(const FloatingPoint& number);
bool isNotANumber(const FloatingPoint& number);
bool isNormalNumber(const FloatingPoint& number);

// "integer floor of", "integer ceiling of" and cast "integer" (nearest,
// ties to even); no value when the result is not finite or does not fit in
// 64 bits.
std::optional<std::int64_t> integerFloor(const FloatingPoint& number);
std::optional<std::int64_t> integerCeiling(const FloatingPoint& number);
std::optional<std::int64_t> floatingPointAsInteger(const FloatingPoint& number);

} // namespace guard
