#pragma once
// Keeping values beyond the life of the node that produced them.
//
// Aggregates see each source value only until the source advances; what
// they keep must be copied into storage of their own. KeptValue<T> is that
// storage: T itself for values that own no outside memory, a std::string for
// strings. view() gives the value back as a T that stays valid as long as the
// kept value does.
#include <string>

#include "registry/CoreValues.h"

namespace guard {

template <class T>
struct KeptValue {
    using Storage = T;
    static Storage keep(const T& value) { return value; }
    static const T& view(const Storage& kept) { return kept; }
};

template <>
struct KeptValue<String> {
    using Storage = std::string;
    static Storage keep(const String& value) { return std::string(value.view()); }
    static String view(const Storage& kept) { return String::over(kept); }
};

// The strict order of kept values, by the order of T.
template <class T>
struct KeptOrder {
    bool operator()(const typename KeptValue<T>::Storage& a, const typename KeptValue<T>::Storage& b) const
    {
        return KeptValue<T>::view(a) < KeptValue<T>::view(b);
    }
};

} // namespace guard
