// Properties of a floating point number: its significance, its exception
// flags, its class (finite, infinite, NaN, normal) and its integer
// neighbours.
//
// The significance places compute through log10, whose exceptions are not
// exactly defined; these results keep the operand's flags and add none.
#include <cmath>
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/FloatingPoint.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

constexpr double kPlaceSignificance = 0.01;

FloatingPoint withSignificance(const FloatingPoint& number, double significance)
{
    return FloatingPoint{number.value, significance, number.flags};
}

// The double as a 64-bit integer when it is finite and in range.
std::optional<std::int64_t> asInteger(double whole)
{
    // -2^63 is a double; 2^63 is the first double above the range.
    if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0))
        return std::nullopt;
    return std::int64_t(whole);
}

// "significance threshold of F": value the significance, significance 0.01 of that.
FloatingPoint significanceThreshold(const FloatingPoint& number)
{
    return FloatingPoint{number.significance, kPlaceSignificance * number.significance, number.flags};
}

// "significance place of F": value log10(significance), significance 0.01.
FloatingPoint significancePlace(const FloatingPoint& number)
{
    return FloatingPoint{std::log10(number.significance), kPlaceSignificance, number.flags};
}

// "relative significance place of F": log10(|value|) - log10(significance), significance 0.01.
FloatingPoint relativeSignificancePlace(const FloatingPoint& number)
{
    double place = std::log10(std::fabs(number.value)) - std::log10(number.significance);
    return FloatingPoint{place, kPlaceSignificance, number.flags};
}

// Keyed forms; a negative key is no value.
// "more significance K": significance / 10^K; "less significance K":
// significance * 10^K; "significance place K": significance 10^K;
// "relative significance place K": significance |value| / 10^K.
std::optional<FloatingPoint> moreSignificance(std::int64_t key, const FloatingPoint& number)
{
    if (key < 0)
        return std::nullopt;
    return withSignificance(number, number.significance / powerOfTen(key));
}

std::optional<FloatingPoint> lessSignificance(std::int64_t key, const FloatingPoint& number)
{
    if (key < 0)
        return std::nullopt;
    return withSignificance(number, number.significance * powerOfTen(key));
}

std::optional<FloatingPoint> withSignificancePlace(std::int64_t key, const FloatingPoint& number)
{
    if (key < 0)
        return std::nullopt;
    return withSignificance(number, powerOfTen(key));
}

std::optional<FloatingPoint> withRelativeSignificancePlace(std::int64_t key, const FloatingPoint& number)
{
    if (key < 0)
        return std::nullopt;
    return withSignificance(number, std::fabs(number.value) / powerOfTen(key));
}

// "divided by zero", "inexact", "invalid", "overflow", "underflow".
bool dividedByZeroFlag(const FloatingPoint& number) { return number.flags & FloatingPointFlag::kDividedByZero; }
bool inexactFlag(const FloatingPoint& number) { return number.flags & FloatingPointFlag::kInexact; }
bool invalidFlag(const FloatingPoint& number) { return number.flags & FloatingPointFlag::kInvalid; }
bool overflowFlag(const FloatingPoint& number) { return number.flags & FloatingPointFlag::kOverflow; }
bool underflowFlag(const FloatingPoint& number) { return number.flags & FloatingPointFlag::kUnderflow; }

// "finite", "infinite", "nan" (quiet or signalling), "normal".
bool isFiniteNumber(const FloatingPoint& number) { return std::isfinite(number.value); }
bool isInfiniteNumber(const FloatingPoint& number) { return std::isinf(number.value); }
bool isNotANumber(const FloatingPoint& number) { return std::isnan(number.value); }
bool isNormalNumber(const FloatingPoint& number) { return std::isnormal(number.value); }

// "integer floor of", "integer ceiling of" and cast "integer" (nearest,
// ties to even); no value when the result is not finite or does not fit in
// 64 bits.
std::optional<std::int64_t> integerFloor(const FloatingPoint& number) { return asInteger(std::floor(number.value)); }

std::optional<std::int64_t> integerCeiling(const FloatingPoint& number) { return asInteger(std::ceil(number.value)); }

std::optional<std::int64_t> floatingPointAsInteger(const FloatingPoint& number)
{
    // The evaluator never leaves the default rounding mode (to nearest,
    // ties to even), which nearbyint uses without raising exceptions.
    return asInteger(std::nearbyint(number.value));
}

} // namespace

GUARD_INSPECTORS(
    property<Shape::Of, significanceThreshold>("significance threshold", "significance thresholds"),
    property<Shape::Of, significancePlace>("significance place", "significance places"),
    property<Shape::Of, relativeSignificancePlace>("relative significance place", "relative significance places"),
    property<Shape::KeyedOf, moreSignificance>("more significance", "more significances"),
    property<Shape::KeyedOf, lessSignificance>("less significance", "less significances"),
    property<Shape::KeyedOf, withSignificancePlace>("significance place", "significance places"),
    property<Shape::KeyedOf, withRelativeSignificancePlace>("relative significance place",
                                                            "relative significance places"),
    property<Shape::Of, dividedByZeroFlag>("divided by zero", "divided by zeroes"),
    property<Shape::Of, inexactFlag>("inexact", "inexacts"), property<Shape::Of, invalidFlag>("invalid", "invalids"),
    property<Shape::Of, overflowFlag>("overflow", "overflows"),
    property<Shape::Of, underflowFlag>("underflow", "underflows"),
    property<Shape::Of, isFiniteNumber>("finite", "finites"),
    property<Shape::Of, isInfiniteNumber>("infinite", "infinites"), property<Shape::Of, isNotANumber>("nan", "nans"),
    property<Shape::Of, isNormalNumber>("normal", "normals"),
    property<Shape::Of, integerFloor>("integer floor", "integer floors"),
    property<Shape::Of, integerCeiling>("integer ceiling", "integer ceilings"), cast<floatingPointAsInteger>("integer"))

} // namespace guard
