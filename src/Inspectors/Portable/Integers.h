#pragma once
// Arithmetic and properties of "integer" (signed 64-bit two's complement).
//
// Every operation is exact: a result that does not fit in 64 bits is no
// value (std::nullopt). Division rounds towards minus infinity and "mod" is
// the remainder that goes with it, so it has the sign of the divisor; a zero
// divisor is no value, and so is least integer / -1 (whose exact quotient
// does not fit), while least integer mod -1 is 0.
#include <cstdint>
#include <limits>
#include <optional>

namespace guard {

inline constexpr std::int64_t kGreatestInteger = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kLeastInteger = std::numeric_limits<std::int64_t>::min();

// integer + integer, integer - integer, integer * integer (inline: every
// time and calendar computation checks its sums with them).
inline std::optional<std::int64_t> addIntegers(std::int64_t left, std::int64_t right)
{
    std::int64_t result;
    if (__builtin_add_overflow(left, right, &result))
        return std::nullopt;
    return result;
}
inline std::optional<std::int64_t> subtractIntegers(std::int64_t left, std::int64_t right)
{
    std::int64_t result;
    if (__builtin_sub_overflow(left, right, &result))
        return std::nullopt;
    return result;
}
inline std::optional<std::int64_t> multiplyIntegers(std::int64_t left, std::int64_t right)
{
    std::int64_t result;
    if (__builtin_mul_overflow(left, right, &result))
        return std::nullopt;
    return result;
}
// integer / integer: the quotient rounded towards minus infinity.
std::optional<std::int64_t> divideIntegers(std::int64_t left, std::int64_t right);
// integer % integer ("mod"): left - right * (left / right), sign of the divisor.
std::optional<std::int64_t> integerModulo(std::int64_t left, std::int64_t right);
// unary "-" and "absolute value of": no value for the least integer.
std::optional<std::int64_t> negateInteger(std::int64_t operand);
std::optional<std::int64_t> absoluteValueOfInteger(std::int64_t operand);

// global "integer KEY" with an integer key: the key itself; a negative key is no value.
std::optional<std::int64_t> integerWithKey(std::int64_t key);
// global "greatest integer" and "least integer".
std::int64_t greatestInteger();
std::int64_t leastInteger();
// "bit KEY of INTEGER": bit KEY (0 to 63) of the 64-bit pattern; any other
// key tests the sign bit.
bool bitOfInteger(std::int64_t key, std::int64_t value);
// cast "integer" from integer.
std::int64_t integerAsInteger(std::int64_t value);

} // namespace guard
