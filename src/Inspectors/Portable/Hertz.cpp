#include "Inspectors/Portable/ValueBundles.h"
#include "registry/Inspectors.h"
#include "Inspectors/Portable/Hertz.h"

#include <charconv>

#include "Inspectors/Portable/IntegerText.h"
#include "Inspectors/Portable/Integers.h"

namespace guard {

namespace {

std::optional<Hertz> asHertz(std::optional<std::int64_t> count)
{
    if (!count)
        return std::nullopt;
    return Hertz{*count};
}

} // namespace

Hertz hz() { return Hertz{1}; }
Hertz khz() { return Hertz{1000}; }
Hertz mhz() { return Hertz{1000000}; }
Hertz ghz() { return Hertz{1000000000}; }
Hertz greatestHz() { return Hertz{kGreatestInteger}; }
Hertz leastHz() { return Hertz{kLeastInteger}; }

std::optional<Hertz> absoluteValueOfHertz(Hertz value) { return asHertz(absoluteValueOfInteger(value.count)); }

std::optional<Hertz> significantDigitsOfHertz(std::int64_t key, Hertz value)
{
    return asHertz(significantDigitsOfInteger(key, value.count));
}

std::optional<Hertz> negateHertz(Hertz value) { return asHertz(negateInteger(value.count)); }

std::optional<Hertz> addHertz(Hertz left, Hertz right) { return asHertz(addIntegers(left.count, right.count)); }

std::optional<Hertz> subtractHertz(Hertz left, Hertz right)
{
    return asHertz(subtractIntegers(left.count, right.count));
}

std::optional<Hertz> multiplyHertzByInteger(Hertz left, std::int64_t right)
{
    return asHertz(multiplyIntegers(left.count, right));
}

std::optional<Hertz> multiplyIntegerByHertz(std::int64_t left, Hertz right)
{
    return asHertz(multiplyIntegers(left, right.count));
}

std::optional<std::int64_t> divideHertzByHertz(Hertz left, Hertz right)
{
    return divideIntegers(left.count, right.count);
}

std::optional<Hertz> divideHertzByInteger(Hertz left, std::int64_t right)
{
    return asHertz(divideIntegers(left.count, right));
}

std::optional<Hertz> hertzModulo(Hertz left, Hertz right) { return asHertz(integerModulo(left.count, right.count)); }

String hertzAsString(Hertz value)
{
    static constexpr char kUnit[] = " hertz";
    char text[24 + sizeof kUnit];
    char* end = std::to_chars(text, text + 24, value.count).ptr;
    for (char c : std::string_view(kUnit))
        *end++ = c;
    return String::copy(text, end);
}

GUARD_INSPECTORS(type<Hertz>(), property<Shape::Global, hz>("hz", "hzs"), property<Shape::Global, khz>("khz", "khzs"),
                 property<Shape::Global, mhz>("mhz", "mhzs"), property<Shape::Global, ghz>("ghz", "ghzs"),
                 property<Shape::Of, absoluteValueOfHertz>("absolute value", "absolute values"),
                 property<Shape::Global, greatestHz>("greatest hz", "greatest hzs"),
                 property<Shape::Global, leastHz>("least hz", "least hzs"),
                 property<Shape::KeyedOf, significantDigitsOfHertz>("significant digits", "significant digitss"),
                 cast<hertzAsString>("string"), unary<kUnaryMinus, negateHertz>(), binary<kPlus, addHertz>(),
                 binary<kMinus, subtractHertz>(), binary<kTimes, multiplyHertzByInteger>(),
                 binary<kTimes, multiplyIntegerByHertz>(), binary<kDivide, divideHertzByHertz>(),
                 binary<kDivide, divideHertzByInteger>(), binary<kMod, hertzModulo>())
GUARD_INSPECTOR_ARRAY(orderedValueBundle<Hertz>())

} // namespace guard
