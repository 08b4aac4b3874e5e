#include "Inspectors/Portable/FloatingPointArithmetic.h"

#include <cmath>

#include "Inspectors/Portable/ValueBundles.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

// The significance of a product a * b, and (divided by b twice) of a quotient.
double productSignificance(double a, double sa, double b, double sb)
{
    return std::hypot(std::hypot(sa * b, a * sb), sa * sb);
}

} // namespace

FloatingPoint integerAsFloatingPoint(std::int64_t value)
{
    std::uint32_t flags = 0;
    double converted = watchedConversion(value, flags);
    return FloatingPoint{converted, 1.0, flags};
}

FloatingPoint sameFloatingPoint(const FloatingPoint& operand) { return operand; }

FloatingPoint negateFloatingPoint(const FloatingPoint& operand)
{
    return FloatingPoint{-operand.value, operand.significance, operand.flags};
}

FloatingPoint addFloatingPoints(const FloatingPoint& left, const FloatingPoint& right)
{
    std::uint32_t flags = left.flags | right.flags;
    double value = watchedSum(left.value, right.value, flags);
    return FloatingPoint{value, std::hypot(left.significance, right.significance), flags};
}

FloatingPoint subtractFloatingPoints(const FloatingPoint& left, const FloatingPoint& right)
{
    std::uint32_t flags = left.flags | right.flags;
    double value = watchedDifference(left.value, right.value, flags);
    return FloatingPoint{value, std::hypot(left.significance, right.significance), flags};
}

FloatingPoint multiplyFloatingPoints(const FloatingPoint& left, const FloatingPoint& right)
{
    std::uint32_t flags = left.flags | right.flags;
    double value = watchedProduct(left.value, right.value, flags);
    double significance = productSignificance(left.value, left.significance, right.value, right.significance);
    return FloatingPoint{value, significance, flags};
}

FloatingPoint divideFloatingPoints(const FloatingPoint& left, const FloatingPoint& right)
{
    std::uint32_t flags = left.flags | right.flags;
    double value = watchedQuotient(left.value, right.value, flags);
    double b = right.value;
    double significance = productSignificance(left.value, left.significance, b, right.significance) / b / b;
    return FloatingPoint{value, significance, flags};
}

FloatingPoint addFloatingPointAndInteger(const FloatingPoint& left, std::int64_t right)
{
    std::uint32_t flags = left.flags;
    double value = watchedSum(left.value, watchedConversion(right, flags), flags);
    return FloatingPoint{value, left.significance, flags};
}

FloatingPoint addIntegerAndFloatingPoint(std::int64_t left, const FloatingPoint& right)
{
    std::uint32_t flags = right.flags;
    double value = watchedSum(watchedConversion(left, flags), right.value, flags);
    return FloatingPoint{value, right.significance, flags};
}

FloatingPoint subtractIntegerFromFloatingPoint(const FloatingPoint& left, std::int64_t right)
{
    std::uint32_t flags = left.flags;
    double value = watchedDifference(left.value, watchedConversion(right, flags), flags);
    return FloatingPoint{value, left.significance, flags};
}

FloatingPoint subtractFloatingPointFromInteger(std::int64_t left, const FloatingPoint& right)
{
    std::uint32_t flags = right.flags;
    double value = watchedDifference(watchedConversion(left, flags), right.value, flags);
    return FloatingPoint{value, right.significance, flags};
}

FloatingPoint multiplyFloatingPointByInteger(const FloatingPoint& left, std::int64_t right)
{
    std::uint32_t flags = left.flags;
    double n = watchedConversion(right, flags);
    double value = watchedProduct(left.value, n, flags);
    return FloatingPoint{value, left.significance * n, flags};
}

FloatingPoint multiplyIntegerByFloatingPoint(std::int64_t left, const FloatingPoint& right)
{
    std::uint32_t flags = right.flags;
    double n = watchedConversion(left, flags);
    double value = watchedProduct(n, right.value, flags);
    return FloatingPoint{value, right.significance * n, flags};
}

FloatingPoint divideFloatingPointByInteger(const FloatingPoint& left, std::int64_t right)
{
    std::uint32_t flags = left.flags;
    double n = watchedConversion(right, flags);
    double value = watchedQuotient(left.value, n, flags);
    return FloatingPoint{value, left.significance / n, flags};
}

FloatingPoint divideIntegerByFloatingPoint(std::int64_t left, const FloatingPoint& right)
{
    std::uint32_t flags = right.flags;
    double n = watchedConversion(left, flags);
    double value = watchedQuotient(n, right.value, flags);
    double v = right.value;
    return FloatingPoint{value, n * right.significance / v / v, flags};
}

bool floatingPointEqualsInteger(const FloatingPoint& left, std::int64_t right) { return left.value == double(right); }
bool floatingPointLessThanInteger(const FloatingPoint& left, std::int64_t right) { return left.value < double(right); }
bool floatingPointAtMostInteger(const FloatingPoint& left, std::int64_t right) { return left.value <= double(right); }
bool integerEqualsFloatingPoint(std::int64_t left, const FloatingPoint& right) { return double(left) == right.value; }
bool integerLessThanFloatingPoint(std::int64_t left, const FloatingPoint& right) { return double(left) < right.value; }
bool integerAtMostFloatingPoint(std::int64_t left, const FloatingPoint& right) { return double(left) <= right.value; }

GUARD_INSPECTORS(type<FloatingPoint>(), property<Shape::Keyed, sameFloatingPoint>("floating point", "floating points"),
                 cast<integerAsFloatingPoint>("floating point"), cast<sameFloatingPoint>("floating point"),
                 unary<kUnaryMinus, negateFloatingPoint>(), binary<kPlus, addFloatingPoints>(),
                 binary<kMinus, subtractFloatingPoints>(), binary<kTimes, multiplyFloatingPoints>(),
                 binary<kDivide, divideFloatingPoints>(), binary<kPlus, addFloatingPointAndInteger>(),
                 binary<kMinus, subtractIntegerFromFloatingPoint>(), binary<kTimes, multiplyFloatingPointByInteger>(),
                 binary<kDivide, divideFloatingPointByInteger>(), binary<kEqual, floatingPointEqualsInteger>(),
                 binary<kLessThanOrEqual, floatingPointAtMostInteger>(),
                 binary<kLessThan, floatingPointLessThanInteger>(), binary<kPlus, addIntegerAndFloatingPoint>(),
                 binary<kMinus, subtractFloatingPointFromInteger>(), binary<kTimes, multiplyIntegerByFloatingPoint>(),
                 binary<kDivide, divideIntegerByFloatingPoint>(), binary<kEqual, integerEqualsFloatingPoint>(),
                 binary<kLessThanOrEqual, integerAtMostFloatingPoint>(),
                 binary<kLessThan, integerLessThanFloatingPoint>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<FloatingPoint>())

} // namespace guard
