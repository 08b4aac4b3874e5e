#include "registry/Inspectors.h"
#include "Inspectors/Portable/IntegerRanges.h"

namespace guard {

const char kInvalidArithmeticProgressionStepText[] = "\"integers in\" step argument must not be 0";

std::int64_t lowerBoundOfRange(const IntegerRange& range) { return range.lower; }

std::int64_t upperBoundOfRange(const IntegerRange& range) { return range.upper; }

bool IntegerProgression::start(std::int64_t& out, std::int64_t start, std::int64_t end, std::int64_t step)
{
    if (step > 0 ? start > end : start < end)
        return false;
    current_ = start;
    end_ = end;
    step_ = step;
    out = start;
    return true;
}

bool IntegerProgression::next(std::int64_t& out)
{
    std::int64_t following;
    if (__builtin_add_overflow(current_, step_, &following))
        return false;
    if (step_ > 0 ? following > end_ : following < end_)
        return false;
    current_ = following;
    out = following;
    return true;
}

bool IntegersTo::first(std::int64_t& out, std::int64_t last) { return start(out, 0, last, last < 0 ? -1 : 1); }

bool IntegersInPair::first(std::int64_t& out, const Tuple<std::int64_t, std::int64_t>& bounds)
{
    std::int64_t from = bounds.get<0>();
    std::int64_t to = bounds.get<1>();
    return start(out, from, to, to < from ? -1 : 1);
}

bool IntegersInTriple::first(std::int64_t& out, const Tuple<std::int64_t, std::int64_t, std::int64_t>& boundsAndStep)
{
    std::int64_t step = boundsAndStep.get<2>();
    if (step == 0)
        throw InvalidArithmeticProgressionStep();
    return start(out, boundsAndStep.get<0>(), boundsAndStep.get<1>(), step);
}

GUARD_INSPECTORS(type<IntegerRange>(), property<Shape::Of, lowerBoundOfRange>("lower bound", "lower bounds"),
                 property<Shape::Of, upperBoundOfRange>("upper bound", "upper bounds"),
                 iterated<Shape::Keyed, IntegersTo>("integer to", "integers to"),
                 iterated<Shape::Keyed, IntegersInPair>("integer in", "integers in"),
                 iterated<Shape::Keyed, IntegersInTriple>("integer in", "integers in"))

} // namespace guard
