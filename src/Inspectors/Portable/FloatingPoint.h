#pragma once
// "floating point": an IEEE double with its significance (the size of its
// smallest significant amount) and the floating-point exceptions raised
// while it was computed; and the IEEE operations that record them.
//
// Each watched operation clears the processor's exception status, performs
// exactly one IEEE operation on operands it reads afterwards, reads the
// status and ORs the raised exceptions into `flags`. Only these basic
// operations are watched: their exceptions are exactly defined.
#include <cfloat>
#include <cstdint>
#include <type_traits>

#include "registry/GuardType.h"

namespace guard {

struct FloatingPoint {
    double value;
    double significance;
    std::uint32_t flags;
};

static_assert(sizeof(FloatingPoint) == 24 && std::is_trivially_copyable_v<FloatingPoint>);

template <>
struct GuardType<FloatingPoint> {
    static constexpr const char* name = "floating point";
    static constexpr bool selfContained = true;
};

// Bits of FloatingPoint::flags.
namespace FloatingPointFlag {
inline constexpr std::uint32_t kInexact = 1;
inline constexpr std::uint32_t kUnderflow = 2;
inline constexpr std::uint32_t kOverflow = 4;
inline constexpr std::uint32_t kDividedByZero = 8;
inline constexpr std::uint32_t kInvalid = 16;
} // namespace FloatingPointFlag

// The significance of the starting values of sums and products: the
// smallest normal double.
inline constexpr double kSmallestNormal = DBL_MIN;

// The double nearest to 10 to the power `exponent` (0 or infinity where
// that is outside the range of doubles).
double powerOfTen(std::int64_t exponent);

double watchedSum(double left, double right, std::uint32_t& flags);
double watchedDifference(double left, double right, std::uint32_t& flags);
double watchedProduct(double left, double right, std::uint32_t& flags);
double watchedQuotient(double left, double right, std::uint32_t& flags);
double watchedSquareRoot(double operand, std::uint32_t& flags);
// The integer converted to the nearest double (inexact when it has none).
double watchedConversion(std::int64_t integer, std::uint32_t& flags);

} // namespace guard
