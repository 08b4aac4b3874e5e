#pragma once
// "hertz": a signed 64-bit count of hertz with the arithmetic of integers
// (exact; a result outside 64 bits, a zero divisor and least / -1 are no
// value; division and "mod" round towards minus infinity).
#include <cstdint>
#include <optional>
#include <type_traits>

#include "registry/CoreValues.h"
#include "registry/GuardType.h"

namespace guard {

struct Hertz {
    std::int64_t count;
};

static_assert(sizeof(Hertz) == 8 && std::is_trivially_copyable_v<Hertz>);

template <>
struct GuardType<Hertz> {
    static constexpr const char* name = "hertz";
    static void hash(HashAccumulator& accumulator, Hertz value) { accumulator.addBytes(&value.count, 8); }
};

// The order and equality of the counts.
inline bool operator==(Hertz left, Hertz right) { return left.count == right.count; }
inline bool operator<(Hertz left, Hertz right) { return left.count < right.count; }
inline bool operator<=(Hertz left, Hertz right) { return left.count <= right.count; }

// global "hz", "khz", "mhz", "ghz", "greatest hz", "least hz".
Hertz hz();
Hertz khz();
Hertz mhz();
Hertz ghz();
Hertz greatestHz();
Hertz leastHz();

// "absolute value of HERTZ", "significant digits KEY of HERTZ", unary "-".
std::optional<Hertz> absoluteValueOfHertz(Hertz value);
std::optional<Hertz> significantDigitsOfHertz(std::int64_t key, Hertz value);
std::optional<Hertz> negateHertz(Hertz value);

// hertz + hertz, hertz - hertz, hertz * integer, integer * hertz,
// hertz / hertz (an integer), hertz / integer, hertz % hertz.
std::optional<Hertz> addHertz(Hertz left, Hertz right);
std::optional<Hertz> subtractHertz(Hertz left, Hertz right);
std::optional<Hertz> multiplyHertzByInteger(Hertz left, std::int64_t right);
std::optional<Hertz> multiplyIntegerByHertz(std::int64_t left, Hertz right);
std::optional<std::int64_t> divideHertzByHertz(Hertz left, Hertz right);
std::optional<Hertz> divideHertzByInteger(Hertz left, std::int64_t right);
std::optional<Hertz> hertzModulo(Hertz left, Hertz right);

// cast "string" from hertz: the decimal count followed by " hertz".
String hertzAsString(Hertz value);

} // namespace guard
