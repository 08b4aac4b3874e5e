#pragma once
// Adapters generated from the signatures of typed inspector functions.
//
// Every inspector is called through the one InspectorAdapter signature; the
// templates here convert the raw value blocks to the function's parameter
// types and store its result. A function may return R or std::optional<R>
// (nullopt: no value); it may also throw NoSuchObject. Parameter and result
// types must have GuardType traits, which name the registered types.
#include <new>
#include <optional>
#include <tuple>
#include <type_traits>

#include "registry/GuardType.h"
#include "registry/InspectorRecords.h"

namespace guard {

// Where the operands of a property come from.
enum class Shape {
    Global,  // phrase                 f()
    Keyed,   // phrase KEY             f(key)
    Of,      // phrase of X            f(object)
    KeyedOf, // phrase KEY of X        f(key, object)
};

constexpr bool hasKey(Shape shape) { return shape == Shape::Keyed || shape == Shape::KeyedOf; }
constexpr bool hasObject(Shape shape) { return shape == Shape::Of || shape == Shape::KeyedOf; }
constexpr std::size_t operandCount(Shape shape) { return std::size_t(hasKey(shape)) + std::size_t(hasObject(shape)); }

namespace Adapters {

template <class F>
struct Signature;

template <class R, class... A>
struct Signature<R (*)(A...)> {
    using Result = R;
    using Arguments = std::tuple<std::remove_cvref_t<A>...>;
    static constexpr std::size_t arity = sizeof...(A);
};
template <class R, class... A>
struct Signature<R (*)(A...) noexcept> : Signature<R (*)(A...)> {
};

// A member function of a state class: bool (S::*)(R& out, A...).
template <class M>
struct MemberSignature;

template <class S, class R, class... A>
struct MemberSignature<bool (S::*)(R&, A...)> {
    using Result = R;
    using Arguments = std::tuple<std::remove_cvref_t<A>...>;
    static constexpr std::size_t arity = sizeof...(A);
};
template <class S, class R, class... A>
struct MemberSignature<bool (S::*)(R&, A...) noexcept> : MemberSignature<bool (S::*)(R&, A...)> {
};
template <class S, class R, class... A>
struct MemberSignature<bool (S::*)(R&, A...) const> : MemberSignature<bool (S::*)(R&, A...)> {
};
template <class S, class R, class... A>
struct MemberSignature<bool (S::*)(R&, A...) const noexcept> : MemberSignature<bool (S::*)(R&, A...)> {
};

template <class S, class... A>
struct MemberSignature<void (S::*)(A...)> {
    using Arguments = std::tuple<std::remove_cvref_t<A>...>;
    static constexpr std::size_t arity = sizeof...(A);
};

template <class R>
struct Stored {
    using Value = R;
    static bool store(void* result, R&& value)
    {
        new (result) R(std::move(value));
        return true;
    }
};

template <class R>
struct Stored<std::optional<R>> {
    using Value = R;
    static bool store(void* result, std::optional<R>&& value)
    {
        if (!value)
            return false;
        new (result) R(std::move(*value));
        return true;
    }
};

template <class Arguments, std::size_t I>
using Argument = std::tuple_element_t<I, Arguments>;

template <class Arguments, std::size_t I>
const Argument<Arguments, I>& argument(const void* value)
{
    return *static_cast<const Argument<Arguments, I>*>(value);
}

template <class Arguments, std::size_t I>
constexpr const char* argumentTypeName()
{
    return GuardType<Argument<Arguments, I>>::name;
}

// Calls `call` with the operands that `shape` takes, converted to the
// parameter types in `Arguments`.
template <Shape shape, class Arguments, class Call>
decltype(auto) withOperands(const void* key, const void* object, Call&& call)
{
    static_assert(std::tuple_size_v<Arguments> == operandCount(shape),
                  "the function's parameters do not match the shape of the property");
    if constexpr (shape == Shape::Global)
        return call();
    else if constexpr (shape == Shape::Keyed)
        return call(argument<Arguments, 0>(key));
    else if constexpr (shape == Shape::Of)
        return call(argument<Arguments, 0>(object));
    else
        return call(argument<Arguments, 0>(key), argument<Arguments, 1>(object));
}

template <Shape shape, class Arguments>
constexpr const char* keyTypeName()
{
    if constexpr (hasKey(shape))
        return argumentTypeName<Arguments, 0>();
    else
        return "";
}

template <Shape shape, class Arguments>
constexpr const char* objectTypeName()
{
    if constexpr (shape == Shape::Of)
        return argumentTypeName<Arguments, 0>();
    else if constexpr (shape == Shape::KeyedOf)
        return argumentTypeName<Arguments, 1>();
    else
        return "";
}

// A plain property: one value (or none) per operand combination.
template <Shape shape, auto F>
bool property(void* result, const void* key, const void* object, void*, const void*)
{
    using S = Signature<decltype(F)>;
    if (!result)
        return true;
    return Stored<typename S::Result>::store(result,
                                             withOperands<shape, typename S::Arguments>(
                                                 key, object, [](const auto&... operands) { return F(operands...); }));
}

// A cast or a unary operator: one operand, in both value places.
template <auto F>
bool unary(void* result, const void* operand, const void*, void*, const void*)
{
    using S = Signature<decltype(F)>;
    static_assert(S::arity == 1, "a cast or unary operator takes one operand");
    if (!result)
        return true;
    return Stored<typename S::Result>::store(result, F(argument<typename S::Arguments, 0>(operand)));
}

// A binary operator: the key place holds the left operand, the object place
// the right one.
template <auto F>
bool binary(void* result, const void* left, const void* right, void*, const void*)
{
    using S = Signature<decltype(F)>;
    static_assert(S::arity == 2, "a binary operator takes two operands");
    if (!result)
        return true;
    return Stored<typename S::Result>::store(
        result, F(argument<typename S::Arguments, 0>(left), argument<typename S::Arguments, 1>(right)));
}

template <class State>
void constructState(void* state)
{
    new (state) State();
}

template <class State>
void destroyState(void* state)
{
    static_cast<State*>(state)->~State();
}

// A plural property: State::first(out, operands...) per operand value, then
// State::next(out) until it answers false.
template <Shape shape, class State>
bool iteratedFirst(void* result, const void* key, const void* object, void* state, const void*)
{
    using S = MemberSignature<decltype(&State::first)>;
    if (!result)
        return true;
    auto& self = *static_cast<State*>(state);
    auto& out = *static_cast<typename S::Result*>(result);
    return withOperands<shape, typename S::Arguments>(
        key, object, [&](const auto&... operands) { return self.first(out, operands...); });
}

template <class State>
bool iteratedNext(void* result, const void*, const void*, void* state, const void*)
{
    using S = MemberSignature<decltype(&State::next)>;
    if (!result)
        return true;
    return static_cast<State*>(state)->next(*static_cast<typename S::Result*>(result));
}

inline bool answerNothing(void*, const void*, const void*, void*, const void*) { return false; }

// Aggregates: a fresh State at the start, add() per source value (with the
// key first when it has one), then result(out), or first(out) and next(out)
// for an aggregate with a plural result.
template <class State>
bool aggregateStart(void*, const void*, const void*, void* state, const void*)
{
    destroyState<State>(state);
    constructState<State>(state);
    return false;
}

template <class State>
bool aggregateAdd(void*, const void* key, const void* object, void* state, const void*)
{
    using S = MemberSignature<decltype(&State::add)>;
    auto& self = *static_cast<State*>(state);
    if constexpr (S::arity == 1)
        self.add(argument<typename S::Arguments, 0>(object));
    else
        self.add(argument<typename S::Arguments, 0>(key), argument<typename S::Arguments, 1>(object));
    return false;
}

template <class State>
concept PluralResult = requires
{
    &State::first;
};

template <class State>
auto aggregateResultSignature()
{
    if constexpr (PluralResult<State>)
        return MemberSignature<decltype(&State::first)>();
    else
        return MemberSignature<decltype(&State::result)>();
}

template <class State>
using AggregateResult = typename decltype(aggregateResultSignature<State>())::Result;

template <class State>
bool aggregateEnd(void* result, const void*, const void*, void* state, const void*)
{
    if (!result)
        return true;
    auto& self = *static_cast<State*>(state);
    auto& out = *static_cast<AggregateResult<State>*>(result);
    if constexpr (PluralResult<State>)
        return self.first(out);
    else
        return self.result(out);
}

} // namespace Adapters

} // namespace guard
