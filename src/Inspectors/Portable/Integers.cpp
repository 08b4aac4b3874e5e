#include "Inspectors/Portable/Integers.h"

#include "registry/Inspectors.h"

namespace guard {

std::optional<std::int64_t> divideIntegers(std::int64_t left, std::int64_t right)
{
    if (right == 0 || (left == kLeastInteger && right == -1))
        return std::nullopt;
    std::int64_t quotient = left / right; // truncated towards zero
    if (left % right != 0 && ((left < 0) != (right < 0)))
        --quotient;
    return quotient;
}

std::optional<std::int64_t> integerModulo(std::int64_t left, std::int64_t right)
{
    if (right == 0)
        return std::nullopt;
    if (right == -1) // also keeps least integer % -1 away from the hardware
        return 0;
    std::int64_t remainder = left % right; // sign of the dividend
    if (remainder != 0 && ((remainder < 0) != (right < 0)))
        remainder += right;
    return remainder;
}

std::optional<std::int64_t> negateInteger(std::int64_t operand)
{
    if (operand == kLeastInteger)
        return std::nullopt;
    return -operand;
}

std::optional<std::int64_t> absoluteValueOfInteger(std::int64_t operand)
{
    if (operand == kLeastInteger)
        return std::nullopt;
    return operand < 0 ? -operand : operand;
}

std::optional<std::int64_t> integerWithKey(std::int64_t key)
{
    if (key < 0)
        return std::nullopt;
    return key;
}

std::int64_t greatestInteger() { return kGreatestInteger; }

std::int64_t leastInteger() { return kLeastInteger; }

bool bitOfInteger(std::int64_t key, std::int64_t value)
{
    int index = (key >= 0 && key <= 63) ? int(key) : 63;
    return (std::uint64_t(value) >> index) & 1;
}

std::int64_t integerAsInteger(std::int64_t value) { return value; }

GUARD_INSPECTORS(property<Shape::Keyed, integerWithKey>("integer", "integers"),
                 property<Shape::KeyedOf, bitOfInteger>("bit", "bits"),
                 property<Shape::Of, absoluteValueOfInteger>("absolute value", "absolute values"),
                 property<Shape::Global, greatestInteger>("greatest integer", "greatest integers"),
                 property<Shape::Global, leastInteger>("least integer", "least integers"),
                 cast<integerAsInteger>("integer"), unary<kUnaryMinus, negateInteger>(), binary<kPlus, addIntegers>(),
                 binary<kMinus, subtractIntegers>(), binary<kTimes, multiplyIntegers>(),
                 binary<kDivide, divideIntegers>(), binary<kMod, integerModulo>())

} // namespace guard
