#pragma once
// Sets of integers and of strings: "integer set" and "string set".
//
// A set value is a sorted array of distinct elements (integers numerically,
// strings byte by byte, a prefix before its extensions) in the evaluation's
// allocator. setBundle<E>() registers the type with its operators ("+"
// union, "-" difference, "*" intersection, "=", "contains" of an element or
// of a set), "size", the plural "elements", and the aggregates "set" of
// plural E, "union" and "intersection" of plural sets (both empty when there
// are no sets at all).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <set>
#include <vector>

#include "Inspectors/Portable/KeptValue.h"
#include "registry/Inspectors.h"

namespace guard {

template <GuardValue E>
struct SetValue {
    const E* elements;
    std::uint32_t count;

    const E* begin() const { return elements; }
    const E* end() const { return elements + count; }
};

namespace SetDetail {
inline constexpr char kSet[] = " set";
}

template <GuardValue E>
struct GuardType<SetValue<E>> {
    static constexpr const char* name = SuffixedTypeName<E, SetDetail::kSet>::text.data();
};

namespace SetBundle {

// Copies an element into the evaluation's allocator (strings with their bytes).
template <class E>
E place(const E& element)
{
    return element;
}
inline String place(const String& element) { return String::copy(element.view()); }

// A set value made of sorted distinct elements from [begin, end).
template <class E, class Iterator, class View>
SetValue<E> makeSet(Iterator begin, Iterator end, std::size_t count, View view)
{
    auto elements = static_cast<E*>(currentAllocator().allocate(sizeof(E) * (count ? count : 1)));
    std::size_t at = 0;
    for (Iterator i = begin; i != end; ++i)
        new (&elements[at++]) E(place(view(*i)));
    return SetValue<E>{elements, std::uint32_t(count)};
}

template <class E>
SetValue<E> fromSorted(const std::vector<E>& elements)
{
    return makeSet<E>(elements.begin(), elements.end(), elements.size(), [](const E& e) { return e; });
}

template <class E, class Merge>
SetValue<E> merged(const SetValue<E>& a, const SetValue<E>& b, Merge merge)
{
    std::vector<E> out;
    merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return fromSorted(out);
}

template <class E>
SetValue<E> unite(const SetValue<E>& a, const SetValue<E>& b)
{
    return merged(a, b, [](auto... args) { return std::set_union(args...); });
}
template <class E>
SetValue<E> subtract(const SetValue<E>& a, const SetValue<E>& b)
{
    return merged(a, b, [](auto... args) { return std::set_difference(args...); });
}
template <class E>
SetValue<E> intersect(const SetValue<E>& a, const SetValue<E>& b)
{
    return merged(a, b, [](auto... args) { return std::set_intersection(args...); });
}
template <class E>
bool equal(const SetValue<E>& a, const SetValue<E>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
template <class E>
bool containsElement(const SetValue<E>& set, const E& element)
{
    return std::binary_search(set.begin(), set.end(), element);
}
template <class E>
bool containsSet(const SetValue<E>& set, const SetValue<E>& subset)
{
    return std::includes(set.begin(), set.end(), subset.begin(), subset.end());
}
template <class E>
std::int64_t size(const SetValue<E>& set)
{
    return set.count;
}

template <class E>
class Elements {
public:
    bool first(E& out, const SetValue<E>& set)
    {
        at_ = set.begin();
        end_ = set.end();
        return next(out);
    }
    bool next(E& out)
    {
        if (at_ == end_)
            return false;
        out = *at_++;
        return true;
    }

private:
    const E* at_ = nullptr;
    const E* end_ = nullptr;
};

template <class E>
using KeptSet = std::set<typename KeptValue<E>::Storage, KeptOrder<E>>;

template <class E>
SetValue<E> fromKept(const KeptSet<E>& kept)
{
    return makeSet<E>(kept.begin(), kept.end(), kept.size(),
                      [](const auto& element) { return KeptValue<E>::view(element); });
}

template <class E>
class SetOf {
public:
    void add(const E& element) { elements_.insert(KeptValue<E>::keep(element)); }
    bool result(SetValue<E>& out)
    {
        out = fromKept<E>(elements_);
        return true;
    }

private:
    KeptSet<E> elements_;
};

template <class E>
class UnionOf {
public:
    void add(const SetValue<E>& set)
    {
        for (const E& element : set)
            elements_.insert(KeptValue<E>::keep(element));
    }
    bool result(SetValue<E>& out)
    {
        out = fromKept<E>(elements_);
        return true;
    }

private:
    KeptSet<E> elements_;
};

template <class E>
class IntersectionOf {
public:
    void add(const SetValue<E>& set)
    {
        KeptSet<E> kept;
        for (const E& element : set)
            if (!seen_ || elements_.count(KeptValue<E>::keep(element)))
                kept.insert(KeptValue<E>::keep(element));
        elements_.swap(kept);
        seen_ = true;
    }
    bool result(SetValue<E>& out)
    {
        out = fromKept<E>(elements_);
        return true;
    }

private:
    bool seen_ = false;
    KeptSet<E> elements_;
};

} // namespace SetBundle

template <GuardValue E>
constexpr auto setBundle()
{
    using namespace SetBundle;
    return std::array{
        type<SetValue<E>>(),
        binary<kPlus, unite<E>>(),
        binary<kMinus, subtract<E>>(),
        binary<kTimes, intersect<E>>(),
        binary<kEqual, equal<E>>(),
        binary<kContains, containsElement<E>>(),
        binary<kContains, containsSet<E>>(),
        property<Shape::Of, size<E>>("size", "sizes"),
        iterated<Shape::Of, Elements<E>>("element", "elements"),
        aggregate<SetOf<E>>("set", "sets"),
        aggregate<UnionOf<E>>("union", "unions"),
        aggregate<IntersectionOf<E>>("intersection", "intersections"),
    };
}

} // namespace guard
