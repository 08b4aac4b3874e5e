#pragma once
// "bit set": an unsigned 64-bit word, bit 0 least significant; its
// numerals, operators, shifts and the conversions to and from integers.
//
// A shift that would move a set bit out of the word is no value; a shift by
// a negative amount shifts the other way. Bit indexes outside 0 to 63 are
// no value where a single bit is asked for.
#include <cstdint>
#include <optional>
#include <type_traits>

#include "registry/CoreValues.h"
#include "registry/GuardType.h"

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

// global "bit set KEY": a binary numeral, most significant digit first;
// leading zeros are skipped, at most 64 digits may remain; "" is the empty set.
std::optional<BitSet> bitSetFromText(const String& text);
// cast "string" from bit set: the binary numeral without leading zeros
// (the empty set gives the empty string).
String bitSetAsString(BitSet set);

// global "bit KEY": the set of bit KEY alone.
std::optional<BitSet> bitSetOfBit(std::int64_t key);
// "bit KEY of BIT SET": whether bit KEY is set.
std::optional<bool> bitOfBitSet(std::int64_t key, BitSet set);
// "least significant one bit of" and "most significant one bit of": the
// index of the lowest / highest set bit; no value for the empty set.
std::optional<std::int64_t> leastSignificantOneBit(BitSet set);
std::optional<std::int64_t> mostSignificantOneBit(BitSet set);
// "right shift KEY of" and "left shift KEY of".
std::optional<BitSet> rightShiftOfBitSet(std::int64_t key, BitSet set);
std::optional<BitSet> leftShiftOfBitSet(std::int64_t key, BitSet set);

// "one bits of BIT SET": the indexes of the set bits, lowest first.
class OneBits {
public:
    bool first(std::int64_t& out, BitSet set);
    bool next(std::int64_t& out);

private:
    std::uint64_t remaining_ = 0;
};

// "+" union, "-" difference, "*" intersection, "=" equality, "contains"
// (every bit of the right operand is in the left one).
BitSet bitSetUnion(BitSet left, BitSet right);
BitSet bitSetDifference(BitSet left, BitSet right);
BitSet bitSetIntersection(BitSet left, BitSet right);
bool bitSetsEqual(BitSet left, BitSet right);
bool bitSetContains(BitSet left, BitSet right);

// casts "bit set" and "bits" from integer, "integer" from bit set: the same
// 64-bit pattern.
BitSet integerAsBitSet(std::int64_t value);
std::int64_t bitSetAsInteger(BitSet set);

} // namespace guard
