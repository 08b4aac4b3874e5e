#pragma once
// The value types the evaluator itself relies on: "boolean" (bool),
// "integer" (std::int64_t), "string" (String), the world type (World),
// "undefined" (Undefined) and tuples (Tuple<...>).
//
// A String is a pointer and a 32-bit length; its bytes are not terminated
// and may be any bytes. They live in static storage, in the expression's
// storage or in the evaluation's stack allocator: String::copy and
// String::allocate put new text into the current thread's allocator, where it
// stays valid until the node that produced the value advances.
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "registry/GuardType.h"
#include "registry/HashAccumulator.h"
#include "registry/InspectorContext.h"

namespace guard {

struct String {
    const char* data = nullptr;
    std::uint32_t length = 0;

    constexpr String() = default;
    constexpr String(const char* bytes, std::uint32_t count) : data(bytes), length(count) { }
    // A string over static text (a literal or other text that outlives the run).
    template <std::size_t N>
    static constexpr String literal(const char (&text)[N])
    {
        return String(text, N - 1);
    }

    // A string over text that outlives the value (no copy); the caller keeps
    // the text under 4 GiB.
    static String over(std::string_view text) { return String(text.data(), std::uint32_t(text.size())); }

    std::string_view view() const { return std::string_view(data, length); }
    const char* begin() const { return data; }
    const char* end() const { return data + length; }
    bool empty() const { return length == 0; }

    // Text copied into the current thread's allocator.
    static String copy(const char* begin, const char* end);
    static String copy(std::string_view text) { return copy(text.data(), text.data() + text.size()); }
    // Room for `count` bytes in the current thread's allocator; fill it
    // through the returned pointer before the String is handed on.
    static String allocate(std::uint32_t count, char*& bytes);
    // The texts one after another, in the current thread's allocator.
    static String join(std::initializer_list<std::string_view> parts);
};

inline bool operator==(const String& a, const String& b) { return a.view() == b.view(); }

// Byte-wise order, a shorter string first on a common prefix.
inline bool operator<(const String& a, const String& b) { return a.view() < b.view(); }

// The implicit direct object of global properties and the empty tuple.
struct World {
    char unused = 0;
};

// The type of "null", "nil" and "error": it takes the type of whatever it is
// combined with.
struct Undefined {
    char unused = 0;
};

// The one world value.
extern const World kWorldValue;

// A tuple value: the first element's value and the rest of the tuple (a
// tuple value again, or the world value after the last element).
template <GuardValue... Ts>
struct Tuple;

template <GuardValue T, GuardValue... Rest>
struct Tuple<T, Rest...> {
    const void* first;
    const void* rest;

    const T& head() const { return *static_cast<const T*>(first); }
    const Tuple<Rest...>& tail() const
    {
        static_assert(sizeof...(Rest) > 0, "the last element has no tail");
        return *static_cast<const Tuple<Rest...>*>(rest);
    }
    template <std::size_t I>
    const auto& get() const
    {
        if constexpr (I == 0)
            return head();
        else
            return tail().template get<I - 1>();
    }
};

namespace TupleDetail {

template <class T>
const T* store(const T& value)
{
    void* room = currentAllocator().allocate(sizeof(T));
    return new (room) T(value);
}

} // namespace TupleDetail

// A tuple of copies of `values`, kept in the current thread's allocator.
template <GuardValue T, GuardValue... Rest>
Tuple<T, Rest...> makeTupleOf(const T& value, const Rest&... rest)
{
    if constexpr (sizeof...(Rest) == 0)
        return Tuple<T>{TupleDetail::store(value), &kWorldValue};
    else
        return Tuple<T, Rest...>{TupleDetail::store(value), TupleDetail::store(makeTupleOf(rest...))};
}

template <>
struct GuardType<bool> {
    static constexpr const char* name = "boolean";
    static constexpr bool selfContained = true;
    static void hash(HashAccumulator& accumulator, bool value) { accumulator.addBytes(&value, 1); }
};
template <>
struct GuardType<std::int64_t> {
    static constexpr const char* name = "integer";
    static constexpr bool selfContained = true;
    static void hash(HashAccumulator& accumulator, std::int64_t value) { accumulator.addBytes(&value, 8); }
};
template <>
struct GuardType<String> {
    static constexpr const char* name = "string";
    static constexpr std::uint32_t valueSize = 8; // a reference and a 32-bit length
    static void hash(HashAccumulator& accumulator, const String& value)
    {
        accumulator.addBytes(value.data, value.length);
    }
};
template <>
struct GuardType<World> {
    static constexpr const char* name = "";
};
template <>
struct GuardType<Undefined> {
    static constexpr const char* name = "undefined";
};
template <GuardValue... Ts>
struct GuardType<Tuple<Ts...>> {
    static constexpr const char* name = TupleTypeName<Ts...>::text.data();
};

} // namespace guard
