#include "registry/Inspectors.h"
#include "Inspectors/Portable/NumericAggregates.h"

#include "Inspectors/Portable/FloatingPointArithmetic.h"

namespace guard {

void IntegerSum::add(std::int64_t element)
{
    std::int64_t combined;
    if (overflow_ || __builtin_add_overflow(total_, element, &combined))
        overflow_ = true;
    else
        total_ = combined;
}

bool IntegerSum::result(std::int64_t& out) const
{
    out = total_;
    return !overflow_;
}

void IntegerProduct::add(std::int64_t element)
{
    std::int64_t combined;
    if (overflow_ || __builtin_mul_overflow(total_, element, &combined))
        overflow_ = true;
    else
        total_ = combined;
}

bool IntegerProduct::result(std::int64_t& out) const
{
    out = total_;
    return !overflow_;
}

void FloatingPointSum::add(const FloatingPoint& element) { total_ = addFloatingPoints(total_, element); }

bool FloatingPointSum::result(FloatingPoint& out) const
{
    out = total_;
    return true;
}

void FloatingPointProduct::add(const FloatingPoint& element) { total_ = multiplyFloatingPoints(total_, element); }

bool FloatingPointProduct::result(FloatingPoint& out) const
{
    out = total_;
    return true;
}

void FloatingPointMean::add(const FloatingPoint& element)
{
    sum_.add(element);
    ++count_;
}

bool FloatingPointMean::result(FloatingPoint& out) const
{
    FloatingPoint sum;
    sum_.result(sum);
    out = divideFloatingPointByInteger(sum, count_);
    return true;
}

void FloatingPointStandardDeviation::add(const FloatingPoint& element)
{
    meanOfSquares_.add(multiplyFloatingPoints(element, element));
    mean_.add(element);
}

bool FloatingPointStandardDeviation::result(FloatingPoint& out) const
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

template <class FloatingPointAggregate>
void OfIntegers<FloatingPointAggregate>::add(std::int64_t element)
{
    FloatingPointAggregate::add(integerAsFloatingPoint(element));
}

template class OfIntegers<FloatingPointMean>;
template class OfIntegers<FloatingPointStandardDeviation>;

GUARD_INSPECTORS(aggregate<IntegerSum>("sum", "sums"), aggregate<IntegerProduct>("product", "products"),
                 aggregate<OfIntegers<FloatingPointMean>>("mean", "means"),
                 aggregate<OfIntegers<FloatingPointStandardDeviation>>("standard deviation", "standard deviations"),
                 aggregate<FloatingPointSum>("sum", "sums"), aggregate<FloatingPointProduct>("product", "products"),
                 aggregate<FloatingPointMean>("mean", "means"),
                 aggregate<FloatingPointStandardDeviation>("standard deviation", "standard deviations"))

} // namespace guard
