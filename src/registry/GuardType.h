#pragma once
// Compile-time names of the language's types for the C++ value types that
// inspector functions take and return.
//
// Each value type T has a specialisation GuardType<T> with
//   static constexpr const char* name;   // the registered type name
// and may add `static constexpr const char* base;` (base type name),
// `static constexpr std::uint32_t valueSize;`, the size the language gives
// its values where that is not sizeof(T) ("size of type" answers it), and
// `static constexpr bool selfContained = true;` for a value that refers to no
// memory outside its own bytes. The
// registration templates derive every type name of a catalogue row from the
// signature of the row's function through these traits, so a row whose
// function does not match its declared shape fails to compile.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace guard {

template <class T>
struct GuardType; // deliberately undefined: every value type needs a specialisation

template <class T>
concept GuardValue = requires
{
    GuardType<T>::name;
};

namespace GuardTypeDetail {

constexpr std::size_t length(const char* text) { return std::char_traits<char>::length(text); }

template <std::size_t N>
constexpr void append(std::array<char, N>& to, std::size_t& at, const char* text)
{
    for (std::size_t i = 0; text[i]; ++i)
        to[at++] = text[i];
}

} // namespace GuardTypeDetail

// "( a, b, c )" for the element types Ts, as static NUL-terminated text.
template <GuardValue... Ts>
struct TupleTypeName {
    static constexpr std::size_t size =
        4 + (GuardTypeDetail::length(GuardType<Ts>::name) + ...) + 2 * (sizeof...(Ts) - 1);
    static constexpr std::array<char, size + 1> text = [] {
        std::array<char, size + 1> result{};
        std::size_t at = 0;
        bool firstElement = true;
        GuardTypeDetail::append(result, at, "( ");
        for (const char* element : {GuardType<Ts>::name...}) {
            if (!firstElement)
                GuardTypeDetail::append(result, at, ", ");
            GuardTypeDetail::append(result, at, element);
            firstElement = false;
        }
        GuardTypeDetail::append(result, at, " )");
        return result;
    }();
};

// `name` followed by `suffix`, as static NUL-terminated text.
template <GuardValue T, const auto& Suffix>
struct SuffixedTypeName {
    static constexpr std::size_t size = GuardTypeDetail::length(GuardType<T>::name) + sizeof(Suffix) - 1;
    static constexpr std::array<char, size + 1> text = [] {
        std::array<char, size + 1> result{};
        std::size_t at = 0;
        GuardTypeDetail::append(result, at, GuardType<T>::name);
        GuardTypeDetail::append(result, at, Suffix);
        return result;
    }();
};

template <GuardValue T>
constexpr const char* guardTypeName()
{
    return GuardType<T>::name;
}

// The value size the language gives T: GuardType<T>::valueSize, or sizeof(T).
template <class T>
constexpr std::uint32_t guardDeclaredSize()
{
    if constexpr (requires { GuardType<T>::valueSize; })
        return GuardType<T>::valueSize;
    else
        return std::uint32_t(sizeof(T));
}

// Whether T's bytes are its whole value (GuardType<T>::selfContained; false
// unless declared): no pointer into the stack allocator or anywhere else.
template <class T>
constexpr bool guardSelfContained()
{
    if constexpr (requires { GuardType<T>::selfContained; })
        return GuardType<T>::selfContained;
    else
        return false;
}

template <class T>
constexpr const char* guardBaseTypeName()
{
    if constexpr (requires { GuardType<T>::base; })
        return GuardType<T>::base;
    else
        return nullptr;
}

} // namespace guard
