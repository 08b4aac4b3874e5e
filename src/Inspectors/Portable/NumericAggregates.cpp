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
#include <optional>

#include "Inspectors/Portable/FloatingPoint.h"
#include "Inspectors/Portable/FloatingPointArithmetic.h"
#include "Inspectors/Portable/Integers.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

// "sum of INTEGERS" (from 0) and "product of INTEGERS" (from 1), each step
// checked by the integer operator itself.
template <std::optional<std::int64_t> (*Combine)(std::int64_t, std::int64_t), std::int64_t Start>
class IntegerFold {
public:
    void add(std::int64_t element)
    {
        if (overflow_)
            return;
        if (std::optional<std::int64_t> combined = Combine(total_, element))
            total_ = *combined;
        else
            overflow_ = true;
    }

    bool result(std::int64_t& out) const
    {
        out = total_;
        return !overflow_;
    }

private:
    std::int64_t total_ = Start;
    bool overflow_ = false;
};

using IntegerSum = IntegerFold<addIntegers, 0>;
using IntegerProduct = IntegerFold<multiplyIntegers, 1>;

// "sum of FLOATING POINTS".
class FloatingPointSum {
public:
    void add(const FloatingPoint& element) { total_ = addFloatingPoints(total_, element); }

    bool result(FloatingPoint& out) const
    {
        out = total_;
        return true;
    }

private:
    FloatingPoint total_{0.0, kSmallestNormal, 0};
};

// "product of FLOATING POINTS".
class FloatingPointProduct {
public:
    void add(const FloatingPoint& element) { total_ = multiplyFloatingPoints(total_, element); }

    bool result(FloatingPoint& out) const
    {
        out = total_;
        return true;
    }

private:
    FloatingPoint total_{1.0, kSmallestNormal, 0};
};

// "mean of INTEGERS" and "mean of FLOATING POINTS": sum / count.
class FloatingPointMean {
public:
    void add(const FloatingPoint& element)
    {
        sum_.add(element);
        ++count_;
    }

    bool result(FloatingPoint& out) const
    {
        FloatingPoint sum;
        sum_.result(sum);
        out = divideFloatingPointByInteger(sum, count_);
        return true;
    }

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
    void add(const FloatingPoint& element)
    {
        meanOfSquares_.add(multiplyFloatingPoints(element, element));
        mean_.add(element);
    }

    bool result(FloatingPoint& out) const
    {
        FloatingPoint m;
        FloatingPoint q;
        mean_.result(m);
        meanOfSquares_.result(q);
        std::uint32_t flags = m.flags | q.flags;
        double squaredMean = watchedProduct(m.value, m.value, flags);
        double variance = watchedDifference(q.value, squaredMean, flags);
        out = FloatingPoint{watchedSquareRoot(variance, flags), m.significance, flags};
        return true;
    }

private:
    FloatingPointMean mean_;
    FloatingPointMean meanOfSquares_;
};

// The integer forms: each element converted to floating point first.
template <class FloatingPointAggregate>
class OfIntegers : public FloatingPointAggregate {
public:
    void add(std::int64_t element) { FloatingPointAggregate::add(integerAsFloatingPoint(element)); }
};

using IntegerMean = OfIntegers<FloatingPointMean>;
using IntegerStandardDeviation = OfIntegers<FloatingPointStandardDeviation>;

} // namespace

GUARD_INSPECTORS(aggregate<IntegerSum>("sum", "sums"), aggregate<IntegerProduct>("product", "products"),
                 aggregate<IntegerMean>("mean", "means"),
                 aggregate<IntegerStandardDeviation>("standard deviation", "standard deviations"),
                 aggregate<FloatingPointSum>("sum", "sums"), aggregate<FloatingPointProduct>("product", "products"),
                 aggregate<FloatingPointMean>("mean", "means"),
                 aggregate<FloatingPointStandardDeviation>("standard deviation", "standard deviations"))

} // namespace guard
