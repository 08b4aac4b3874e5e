// "hertz": a signed 64-bit count of hertz with the arithmetic of integers
// (the count bundle), its units and its text form.
#include <charconv>
#include <cstdint>
#include <optional>

#include "Inspectors/Portable/CountBundle.h"
#include "Inspectors/Portable/IntegerText.h"
#include "Inspectors/Portable/Integers.h"
#include "Inspectors/Portable/ValueBundles.h"
#include "registry/Inspectors.h"

namespace guard {

struct Hertz {
    std::int64_t count;
};

bool operator==(Hertz left, Hertz right) { return left.count == right.count; }
bool operator<(Hertz left, Hertz right) { return left.count < right.count; }

template <>
struct GuardType<Hertz> {
    static constexpr const char* name = "hertz";
    static constexpr bool selfContained = true;
    static void hash(HashAccumulator& accumulator, Hertz value) { accumulator.addBytes(&value.count, 8); }
};

namespace {

template <std::int64_t count>
Hertz hertz() { return Hertz{count}; }

std::optional<Hertz> significantDigits(std::int64_t key, Hertz value)
{
    return CountBundle::counted<Hertz>(significantDigitsOfInteger(key, value.count));
}

// The decimal count followed by " hertz".
String asString(Hertz value)
{
    static constexpr char kUnit[] = " hertz";
    char text[24 + sizeof kUnit];
    char* end = std::to_chars(text, text + 24, value.count).ptr;
    for (char c : std::string_view(kUnit))
        *end++ = c;
    return String::copy(text, end);
}

}  // namespace

GUARD_INSPECTORS(type<Hertz>(),
                 property<Shape::Global, hertz<1>>("hz", "hzs"),
                 property<Shape::Global, hertz<1000>>("khz", "khzs"),
                 property<Shape::Global, hertz<1000000>>("mhz", "mhzs"),
                 property<Shape::Global, hertz<1000000000>>("ghz", "ghzs"))
GUARD_INSPECTOR_ARRAY(countBundle<Hertz>())
GUARD_INSPECTORS(property<Shape::Global, hertz<kGreatestInteger>>("greatest hz", "greatest hzs"),
                 property<Shape::Global, hertz<kLeastInteger>>("least hz", "least hzs"),
                 property<Shape::KeyedOf, significantDigits>("significant digits", "significant digitss"),
                 cast<asString>("string"))
GUARD_INSPECTOR_ARRAY(orderedValueBundle<Hertz>())

}  // namespace guard
