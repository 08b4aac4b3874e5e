#include "Inspectors/Portable/FloatingPoint.h"

#include <cfenv>
#include <charconv>
#include <cmath>

namespace guard {

namespace {

std::uint32_t raisedExceptions()
{
    int raised = std::fetestexcept(FE_ALL_EXCEPT);
    std::uint32_t flags = 0;
    if (raised & FE_INEXACT)
        flags |= FloatingPointFlag::kInexact;
    if (raised & FE_UNDERFLOW)
        flags |= FloatingPointFlag::kUnderflow;
    if (raised & FE_OVERFLOW)
        flags |= FloatingPointFlag::kOverflow;
    if (raised & FE_DIVBYZERO)
        flags |= FloatingPointFlag::kDividedByZero;
    if (raised & FE_INVALID)
        flags |= FloatingPointFlag::kInvalid;
    return flags;
}

// The volatile operands are read after the status is cleared and the
// volatile result is written before it is read, so the compiler can neither
// fold the operation nor move it out of the watched stretch.
template <class Operand, class Operation>
double watched(Operand left, Operand right, std::uint32_t& flags, Operation operation)
{
    volatile Operand first = left;
    volatile Operand second = right;
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double result = operation(first, second);
    flags |= raisedExceptions();
    return result;
}

} // namespace

double powerOfTen(std::int64_t exponent)
{
    if (exponent > 400)
        return HUGE_VAL;
    if (exponent < -400)
        return 0.0;
    // Read back from decimal text, which rounds correctly (pow need not).
    char text[8] = {'1', 'e'};
    char* end = std::to_chars(text + 2, text + sizeof text, exponent).ptr;
    double power = 0.0;
    if (std::from_chars(text, end, power).ec == std::errc::result_out_of_range)
        return exponent > 0 ? HUGE_VAL : 0.0;
    return power;
}

double watchedSum(double left, double right, std::uint32_t& flags)
{
    return watched(left, right, flags, [](double a, double b) { return a + b; });
}

double watchedDifference(double left, double right, std::uint32_t& flags)
{
    return watched(left, right, flags, [](double a, double b) { return a - b; });
}

double watchedProduct(double left, double right, std::uint32_t& flags)
{
    return watched(left, right, flags, [](double a, double b) { return a * b; });
}

double watchedQuotient(double left, double right, std::uint32_t& flags)
{
    return watched(left, right, flags, [](double a, double b) { return a / b; });
}

double watchedSquareRoot(double operand, std::uint32_t& flags)
{
    return watched(operand, 0.0, flags, [](double a, double) { return std::sqrt(a); });
}

double watchedConversion(std::int64_t integer, std::uint32_t& flags)
{
    return watched(integer, std::int64_t(0), flags, [](std::int64_t n, std::int64_t) { return double(n); });
}

} // namespace guard
