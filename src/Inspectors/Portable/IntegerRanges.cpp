// Runs of consecutive integers: the value type "integer range" and the
// global plural properties "integers to N" and "integers in (A, B[, S])".
//
// A run yields its start, then steps while the next value is not past the
// end; it stops after the end value even when one more step would leave the
// 64-bit range. first() reports false when the run is empty.
#include <cstdint>
#include <type_traits>

#include "registry/CoreValues.h"
#include "registry/GuardType.h"
#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

// "integer range": lower bound, then upper bound.
struct IntegerRange {
    std::int64_t lower;
    std::int64_t upper;
};

static_assert(sizeof(IntegerRange) == 16 && std::is_trivially_copyable_v<IntegerRange>);

template <>
struct GuardType<IntegerRange> {
    static constexpr const char* name = "integer range";
};

// A zero step of "integers in (A, B, S)". The class stays in the program's
// namespace: its name is part of the error message.
const char kInvalidArithmeticProgressionStepText[] = "\"integers in\" step argument must not be 0";
class InvalidArithmeticProgressionStep : public FixedTextInspectorError<kInvalidArithmeticProgressionStepText> { };

namespace {

// "lower bound of R" and "upper bound of R".
std::int64_t lowerBoundOfRange(const IntegerRange& range) { return range.lower; }

std::int64_t upperBoundOfRange(const IntegerRange& range) { return range.upper; }

// The state shared by the plural properties below: the last value yielded,
// the end value and the step.
class IntegerProgression {
public:
    bool next(std::int64_t& out)
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

protected:
    // Starts at `start`; false (and nothing yielded) when `start` is already
    // past `end` in the direction of `step`.
    bool start(std::int64_t& out, std::int64_t start, std::int64_t end, std::int64_t step)
    {
        if (step > 0 ? start > end : start < end)
            return false;
        current_ = start;
        end_ = end;
        step_ = step;
        out = start;
        return true;
    }

private:
    std::int64_t current_ = 0;
    std::int64_t end_ = 0;
    std::int64_t step_ = 1;
};

// "integers to N": 0 to N inclusive, counting down for a negative N.
class IntegersTo : public IntegerProgression {
public:
    bool first(std::int64_t& out, std::int64_t last) { return start(out, 0, last, last < 0 ? -1 : 1); }
};

// "integers in (A, B)": A to B inclusive, step -1 when B is below A.
class IntegersInPair : public IntegerProgression {
public:
    bool first(std::int64_t& out, const Tuple<std::int64_t, std::int64_t>& bounds)
    {
        std::int64_t from = bounds.get<0>();
        std::int64_t to = bounds.get<1>();
        return start(out, from, to, to < from ? -1 : 1);
    }
};

// "integers in (A, B, S)": A, A+S, ... while not past B; none when A is
// already past B; a zero S throws InvalidArithmeticProgressionStep.
class IntegersInTriple : public IntegerProgression {
public:
    bool first(std::int64_t& out, const Tuple<std::int64_t, std::int64_t, std::int64_t>& boundsAndStep)
    {
        std::int64_t step = boundsAndStep.get<2>();
        if (step == 0)
            throw InvalidArithmeticProgressionStep();
        return start(out, boundsAndStep.get<0>(), boundsAndStep.get<1>(), step);
    }
};

} // namespace

GUARD_INSPECTORS(type<IntegerRange>(), property<Shape::Of, lowerBoundOfRange>("lower bound", "lower bounds"),
                 property<Shape::Of, upperBoundOfRange>("upper bound", "upper bounds"),
                 iterated<Shape::Keyed, IntegersTo>("integer to", "integers to"),
                 iterated<Shape::Keyed, IntegersInPair>("integer in", "integers in"),
                 iterated<Shape::Keyed, IntegersInTriple>("integer in", "integers in"))

} // namespace guard
