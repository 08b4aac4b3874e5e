// "bit set": an unsigned 64-bit word, bit 0 least significant; its
// numerals, operators, shifts and the conversions to and from integers.
//
// A shift that would move a set bit out of the word is no value; a shift by
// a negative amount shifts the other way. Bit indexes outside 0 to 63 are
// no value where a single bit is asked for.
#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <type_traits>

#include "registry/CoreValues.h"
#include "registry/GuardType.h"
#include "registry/Inspectors.h"

namespace guard {

struct BitSet {
    std::uint64_t bits;
};

static_assert(sizeof(BitSet) == 8 && std::is_trivially_copyable_v<BitSet>);

template <>
struct GuardType<BitSet> {
    static constexpr const char* name = "bit set";
    static void hash(HashAccumulator& accumulator, BitSet value) { accumulator.addBytes(&value.bits, 8); }
};

namespace {

// The shift amount -key for a negative key, as a non-negative count that
// saturates at 64 (so that the least integer needs no negation).
std::uint64_t reversedShift(std::int64_t key) { return key < -64 ? 64 : std::uint64_t(-key); }

BitSet shiftedRight(std::uint64_t bits, std::uint64_t amount) { return BitSet{amount >= 64 ? 0 : bits >> amount}; }

// No value when a set bit would leave the word.
std::optional<BitSet> shiftedLeft(std::uint64_t bits, std::uint64_t amount)
{
    if (bits == 0)
        return BitSet{0};
    std::uint64_t highest = 63 - std::uint64_t(std::countl_zero(bits));
    if (amount >= 64 - highest)
        return std::nullopt;
    return BitSet{bits << amount};
}

// global "bit set KEY": a binary numeral, most significant digit first;
// leading zeros are skipped, at most 64 digits may remain; "" is the empty set.
std::optional<BitSet> bitSetFromText(const String& text)
{
    const char* digit = text.begin();
    while (digit != text.end() && *digit == '0')
        ++digit;
    if (text.end() - digit > 64)
        return std::nullopt;
    std::uint64_t bits = 0;
    for (; digit != text.end(); ++digit) {
        if (*digit != '0' && *digit != '1')
            return std::nullopt;
        bits = bits << 1 | std::uint64_t(*digit - '0');
    }
    return BitSet{bits};
}

// cast "string" from bit set: the binary numeral without leading zeros
// (the empty set gives the empty string).
String bitSetAsString(BitSet set)
{
    if (set.bits == 0)
        return String();
    char digits[64];
    auto written = std::to_chars(digits, digits + sizeof digits, set.bits, 2);
    return String::copy(digits, written.ptr);
}

// global "bit KEY": the set of bit KEY alone.
std::optional<BitSet> bitSetOfBit(std::int64_t key)
{
    if (key < 0 || key > 63)
        return std::nullopt;
    return BitSet{std::uint64_t(1) << key};
}

// "bit KEY of BIT SET": whether bit KEY is set.
std::optional<bool> bitOfBitSet(std::int64_t key, BitSet set)
{
    if (key < 0 || key > 63)
        return std::nullopt;
    return (set.bits >> key & 1) != 0;
}

// "least significant one bit of" and "most significant one bit of": the
// index of the lowest / highest set bit; no value for the empty set.
std::optional<std::int64_t> leastSignificantOneBit(BitSet set)
{
    if (set.bits == 0)
        return std::nullopt;
    return std::countr_zero(set.bits);
}

std::optional<std::int64_t> mostSignificantOneBit(BitSet set)
{
    if (set.bits == 0)
        return std::nullopt;
    return 63 - std::countl_zero(set.bits);
}

// "right shift KEY of" and "left shift KEY of".
std::optional<BitSet> rightShiftOfBitSet(std::int64_t key, BitSet set)
{
    if (key >= 0)
        return shiftedRight(set.bits, std::uint64_t(key));
    return shiftedLeft(set.bits, reversedShift(key));
}

std::optional<BitSet> leftShiftOfBitSet(std::int64_t key, BitSet set)
{
    if (key >= 0)
        return shiftedLeft(set.bits, std::uint64_t(key));
    return shiftedRight(set.bits, reversedShift(key));
}

// "one bits of BIT SET": the indexes of the set bits, lowest first.
class OneBits {
public:
    bool first(std::int64_t& out, BitSet set)
    {
        remaining_ = set.bits;
        return next(out);
    }

    bool next(std::int64_t& out)
    {
        if (remaining_ == 0)
            return false;
        out = std::countr_zero(remaining_);
        remaining_ &= remaining_ - 1; // clear the lowest set bit
        return true;
    }

private:
    std::uint64_t remaining_ = 0;
};

// "+" union, "-" difference, "*" intersection, "=" equality, "contains"
// (every bit of the right operand is in the left one).
BitSet bitSetUnion(BitSet left, BitSet right) { return BitSet{left.bits | right.bits}; }
BitSet bitSetDifference(BitSet left, BitSet right) { return BitSet{left.bits & ~right.bits}; }
BitSet bitSetIntersection(BitSet left, BitSet right) { return BitSet{left.bits & right.bits}; }
bool bitSetsEqual(BitSet left, BitSet right) { return left.bits == right.bits; }
bool bitSetContains(BitSet left, BitSet right) { return (left.bits & right.bits) == right.bits; }

// casts "bit set" and "bits" from integer, "integer" from bit set: the same
// 64-bit pattern.
BitSet integerAsBitSet(std::int64_t value) { return BitSet{std::uint64_t(value)}; }
std::int64_t bitSetAsInteger(BitSet set) { return std::int64_t(set.bits); }

} // namespace

GUARD_INSPECTORS(type<BitSet>(), property<Shape::Keyed, bitSetFromText>("bit set", "bit sets"),
                 property<Shape::Keyed, bitSetOfBit>("bit", "bits"),
                 property<Shape::Of, leastSignificantOneBit>("least significant one bit", "least significant one bits"),
                 property<Shape::Of, mostSignificantOneBit>("most significant one bit", "most significant one bits"),
                 property<Shape::KeyedOf, rightShiftOfBitSet>("right shift", "right shifts"),
                 property<Shape::KeyedOf, leftShiftOfBitSet>("left shift", "left shifts"),
                 property<Shape::KeyedOf, bitOfBitSet>("bit", "bits"),
                 iterated<Shape::Of, OneBits>("one bit", "one bits"), cast<integerAsBitSet>("bit set"),
                 cast<integerAsBitSet>("bits"), cast<bitSetAsInteger>("integer"), cast<bitSetAsString>("string"),
                 binary<kEqual, bitSetsEqual>(), binary<kContains, bitSetContains>(), binary<kPlus, bitSetUnion>(),
                 binary<kMinus, bitSetDifference>(), binary<kTimes, bitSetIntersection>())

} // namespace guard
