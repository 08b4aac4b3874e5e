#pragma once
// The aggregates "sum", "product", "mean" and "standard deviation" of
// plural integers and floating point numbers, as streaming states: add()
// takes the source's elements in order, result() gives the answer (false:
// no value).
//
// Integer sums and products are exact: after any overflow the aggregate has
// no value, even if later elements would bring it back into range.
// Floating point sums and products start from 0.0 and 1.0 with the smallest
// normal double as significance and combine with floating point "+" and
// "*". Means and standard deviations convert integers to floating point
// (significance 1.0) and divide by the count as floating point by integer
// division, so an empty source gives NaN with the invalid flag.
#include <cstdint>

#include "Inspectors/Portable/FloatingPoint.h"

namespace guard {

// "sum of INTEGERS": starts at 0.
class IntegerSum {
public:
    void add(std::int64_t element);
    bool result(std::int64_t& out) const;

private:
    std::int64_t total_ = 0;
    bool overflow_ = false;
};

// "product of INTEGERS": starts at 1.
class IntegerProduct {
public:
    void add(std::int64_t element);
    bool result(std::int64_t& out) const;

private:
    std::int64_t total_ = 1;
    bool overflow_ = false;
};

// "sum of FLOATING POINTS".
class FloatingPointSum {
public:
    void add(const FloatingPoint& element);
    bool result(FloatingPoint& out) const;

private:
    FloatingPoint total_{0.0, kSmallestNormal, 0};
};

// "product of FLOATING POINTS".
class FloatingPointProduct {
public:
    void add(const FloatingPoint& element);
    bool result(FloatingPoint& out) const;

private:
    FloatingPoint total_{1.0, kSmallestNormal, 0};
};

// "mean of INTEGERS" and "mean of FLOATING POINTS": sum / count.
class FloatingPointMean {
public:
    void add(const FloatingPoint& element);
    bool result(FloatingPoint& out) const;

private:
    FloatingPointSum sum_;
    std::int64_t count_ = 0;
};

// "standard deviation of INTEGERS" and "... of FLOATING POINTS": the
// population standard deviation sqrt(q - m^2) with m the mean and q the mean
// of the squares; significance that of m; flags those of m and q with the
// exceptions of computing q - m^2 and its square root.
class FloatingPointStandardDeviation {
public:
    void add(const FloatingPoint& element);
    bool result(FloatingPoint& out) const;

private:
    FloatingPointMean mean_;
    FloatingPointMean meanOfSquares_;
};

// The integer forms: each element converted to floating point first.
template <class FloatingPointAggregate>
class OfIntegers : public FloatingPointAggregate {
public:
    void add(std::int64_t element);
};

using IntegerMean = OfIntegers<FloatingPointMean>;
using IntegerStandardDeviation = OfIntegers<FloatingPointStandardDeviation>;

} // namespace guard
