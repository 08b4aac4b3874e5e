#include "registry/Inspectors.h"
#include "Inspectors/Portable/BitSets.h"

#include <bit>
#include <charconv>

namespace guard {

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

} // namespace

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

String bitSetAsString(BitSet set)
{
    if (set.bits == 0)
        return String();
    char digits[64];
    auto written = std::to_chars(digits, digits + sizeof digits, set.bits, 2);
    return String::copy(digits, written.ptr);
}

std::optional<BitSet> bitSetOfBit(std::int64_t key)
{
    if (key < 0 || key > 63)
        return std::nullopt;
    return BitSet{std::uint64_t(1) << key};
}

std::optional<bool> bitOfBitSet(std::int64_t key, BitSet set)
{
    if (key < 0 || key > 63)
        return std::nullopt;
    return (set.bits >> key & 1) != 0;
}

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

bool OneBits::first(std::int64_t& out, BitSet set)
{
    remaining_ = set.bits;
    return next(out);
}

bool OneBits::next(std::int64_t& out)
{
    if (remaining_ == 0)
        return false;
    out = std::countr_zero(remaining_);
    remaining_ &= remaining_ - 1; // clear the lowest set bit
    return true;
}

BitSet bitSetUnion(BitSet left, BitSet right) { return BitSet{left.bits | right.bits}; }
BitSet bitSetDifference(BitSet left, BitSet right) { return BitSet{left.bits & ~right.bits}; }
BitSet bitSetIntersection(BitSet left, BitSet right) { return BitSet{left.bits & right.bits}; }
bool bitSetsEqual(BitSet left, BitSet right) { return left.bits == right.bits; }
bool bitSetContains(BitSet left, BitSet right) { return (left.bits & right.bits) == right.bits; }

BitSet integerAsBitSet(std::int64_t value) { return BitSet{std::uint64_t(value)}; }
std::int64_t bitSetAsInteger(BitSet set) { return std::int64_t(set.bits); }

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
