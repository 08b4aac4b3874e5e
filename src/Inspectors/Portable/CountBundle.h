#pragma once
// The arithmetic of a 64-bit count-like quantity, registered from one
// template: for a value type T that is a struct of one std::int64_t `count`
// (hertz, time interval),
//
//   countBundle<T>()  "absolute value" of T, unary "-", T + T, T - T,
//                     T * integer, integer * T, T / T (an integer),
//                     T / integer and T % T,
//
// each exact as the integer operations are: a result outside 64 bits, a zero
// divisor and the least count / -1 are no value; division and "mod" round
// towards minus infinity. Register it with one line:
//   GUARD_INSPECTOR_ARRAY(countBundle<Hertz>())
#include <array>
#include <concepts>
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/Integers.h"
#include "registry/Inspectors.h"

namespace guard {

template <class T>
concept CountLike = GuardValue<T> && requires(T value) {
    { value.count } -> std::same_as<std::int64_t&>;
} && sizeof(T) == 8;

namespace CountBundle {

template <CountLike T>
std::optional<T> counted(std::optional<std::int64_t> count)
{
    if (!count)
        return std::nullopt;
    return T{*count};
}

template <CountLike T>
std::optional<T> absoluteValue(T value) { return counted<T>(absoluteValueOfInteger(value.count)); }
template <CountLike T>
std::optional<T> negate(T value) { return counted<T>(negateInteger(value.count)); }
template <CountLike T>
std::optional<T> add(T left, T right) { return counted<T>(addIntegers(left.count, right.count)); }
template <CountLike T>
std::optional<T> subtract(T left, T right) { return counted<T>(subtractIntegers(left.count, right.count)); }
template <CountLike T>
std::optional<T> timesInteger(T left, std::int64_t right) { return counted<T>(multiplyIntegers(left.count, right)); }
template <CountLike T>
std::optional<T> integerTimes(std::int64_t left, T right) { return counted<T>(multiplyIntegers(left, right.count)); }
template <CountLike T>
std::optional<std::int64_t> ratio(T left, T right) { return divideIntegers(left.count, right.count); }
template <CountLike T>
std::optional<T> dividedByInteger(T left, std::int64_t right) { return counted<T>(divideIntegers(left.count, right)); }
template <CountLike T>
std::optional<T> modulo(T left, T right) { return counted<T>(integerModulo(left.count, right.count)); }

}  // namespace CountBundle

template <CountLike T>
constexpr auto countBundle()
{
    return std::array{
        property<Shape::Of, CountBundle::absoluteValue<T>>("absolute value", "absolute values"),
        unary<kUnaryMinus, CountBundle::negate<T>>(),
        binary<kPlus, CountBundle::add<T>>(),
        binary<kMinus, CountBundle::subtract<T>>(),
        binary<kTimes, CountBundle::timesInteger<T>>(),
        binary<kTimes, CountBundle::integerTimes<T>>(),
        binary<kDivide, CountBundle::ratio<T>>(),
        binary<kDivide, CountBundle::dividedByInteger<T>>(),
        binary<kMod, CountBundle::modulo<T>>(),
    };
}

}  // namespace guard
