#pragma once
// Bundles of inspectors registered for many value types from one template:
//
//  uniqueValueBundle<T>()  the type "T with multiplicity" (a kind of T),
//                          "unique values" of plural T and "multiplicity";
//  orderedValueBundle<T>() the above plus "=", "<", "<=" on T and "minimum",
//                          "maximum" and "extrema" of plural T.
//
// Register an instance with one line:
//   GUARD_INSPECTOR_ARRAY(orderedValueBundle<std::int64_t>())
// T's order is its C++ operator< (and equality its operator==); two values
// are the same unique value when neither is less than the other.
#include <array>
#include <cstdint>
#include <map>

#include "Inspectors/Portable/KeptValue.h"
#include "registry/Inspectors.h"

namespace guard {

// A value of T with the number of times it occurred; its value begins
// with the T, so every inspector of T applies to it.
template <GuardValue T>
struct WithMultiplicity {
    T value;
    std::uint64_t count;
};

namespace BundleDetail {
inline constexpr char kWithMultiplicity[] = " with multiplicity";
}

template <GuardValue T>
struct GuardType<WithMultiplicity<T>> {
    static constexpr const char* name = SuffixedTypeName<T, BundleDetail::kWithMultiplicity>::text.data();
    static constexpr const char* base = GuardType<T>::name;
    // The plain value's size rounded up to 8 bytes, then the count.
    static constexpr std::uint32_t valueSize = (guardDeclaredSize<T>() + 7) / 8 * 8 + 8;
};

namespace ValueBundle {

template <class T>
bool equal(const T& a, const T& b)
{
    return a == b;
}
template <class T>
bool less(const T& a, const T& b)
{
    return a < b;
}
template <class T>
bool lessOrEqual(const T& a, const T& b)
{
    return a < b || a == b;
}

template <class T>
std::int64_t multiplicity(const WithMultiplicity<T>& value)
{
    return std::int64_t(value.count);
}

// The distinct source values in ascending order, each with its count.
template <class T>
class UniqueValues {
public:
    void add(const T& value) { ++counts_[KeptValue<T>::keep(value)]; }
    bool first(WithMultiplicity<T>& out)
    {
        at_ = counts_.begin();
        return next(out);
    }
    bool next(WithMultiplicity<T>& out)
    {
        if (at_ == counts_.end())
            return false;
        out = WithMultiplicity<T>{KeptValue<T>::view(at_->first), at_->second};
        ++at_;
        return true;
    }

private:
    using Counts = std::map<typename KeptValue<T>::Storage, std::uint64_t, KeptOrder<T>>;
    Counts counts_;
    typename Counts::const_iterator at_{};
};

// The least and greatest source values; among equal values the first one
// met is kept.
template <class T>
class Extremes {
public:
    void add(const T& value)
    {
        if (!seen_) {
            least_ = KeptValue<T>::keep(value);
            greatest_ = least_;
            seen_ = true;
            return;
        }
        if (value < KeptValue<T>::view(least_))
            least_ = KeptValue<T>::keep(value);
        if (KeptValue<T>::view(greatest_) < value)
            greatest_ = KeptValue<T>::keep(value);
    }

protected:
    bool seen_ = false;
    typename KeptValue<T>::Storage least_{};
    typename KeptValue<T>::Storage greatest_{};
};

template <class T>
struct Minimum : Extremes<T> {
    bool result(T& out)
    {
        if (this->seen_)
            out = KeptValue<T>::view(this->least_);
        return this->seen_;
    }
};

template <class T>
struct Maximum : Extremes<T> {
    bool result(T& out)
    {
        if (this->seen_)
            out = KeptValue<T>::view(this->greatest_);
        return this->seen_;
    }
};

template <class T>
struct Extrema : Extremes<T> {
    bool result(Tuple<T, T>& out)
    {
        if (this->seen_)
            out = makeTupleOf(KeptValue<T>::view(this->least_), KeptValue<T>::view(this->greatest_));
        return this->seen_;
    }
};

} // namespace ValueBundle

template <GuardValue T>
constexpr auto uniqueValueBundle()
{
    return std::array{
        type<WithMultiplicity<T>>(),
        aggregate<ValueBundle::UniqueValues<T>>("unique value", "unique values"),
        property<Shape::Of, ValueBundle::multiplicity<T>>("multiplicity", "multiplicities"),
    };
}

template <GuardValue T>
constexpr auto orderedValueBundle()
{
    return joinRows(
        std::array{
            binary<kEqual, ValueBundle::equal<T>>(),
            binary<kLessThan, ValueBundle::less<T>>(),
            binary<kLessThanOrEqual, ValueBundle::lessOrEqual<T>>(),
        },
        uniqueValueBundle<T>(),
        std::array{
            aggregate<ValueBundle::Minimum<T>>("minimum", "minima"),
            aggregate<ValueBundle::Maximum<T>>("maximum", "maxima"),
            aggregate<ValueBundle::Extrema<T>>("extrema", "extremas"),
        });
}

} // namespace guard
