#pragma once
// The value types of the string vocabulary that point into other text:
//
//  Substring       "substring", a kind of "string": its own text first (so
//                  every string inspector reads it as a plain string), then
//                  the whole string it was taken from. Its text lies inside
//                  the whole string; start, end, preceding and following text
//                  are counted in the whole string.
//  StringPosition  "string position", a kind of "integer": the offset (0 to
//                  the whole string's length inclusive) first, then the whole
//                  string.
//
// Neither owns bytes: both are views into their operand, valid as long as
// the operand's value is.
#include <cassert>
#include <cstdint>

#include "registry/CoreValues.h"

namespace guard {

struct Substring {
    String text;
    String whole;

    // The substring [start, start + count) of `whole`; the caller checks the
    // bounds.
    static Substring of(const String& whole, std::uint32_t start, std::uint32_t count)
    {
        assert(std::uint64_t(start) + count <= whole.length);
        return Substring{String(whole.data + start, count), whole};
    }
    std::uint32_t start() const { return std::uint32_t(text.data - whole.data); }
    std::uint32_t end() const { return start() + text.length; }
};

struct StringPosition {
    std::int64_t offset;
    String whole;
};

static_assert(sizeof(Substring) == 32 && sizeof(StringPosition) == 24);

template <>
struct GuardType<Substring> {
    static constexpr const char* name = "substring";
    static constexpr std::uint32_t valueSize = 16; // the size the language gives it
    static constexpr const char* base = "string";
    // Identified by its own text, as a string is.
    static void hash(HashAccumulator& accumulator, const Substring& value)
    {
        accumulator.addBytes(value.text.data, value.text.length);
    }
};

template <>
struct GuardType<StringPosition> {
    static constexpr const char* name = "string position";
    static constexpr std::uint32_t valueSize = 16; // the size the language gives it
    static constexpr const char* base = "integer";
    // Identified by its offset, as an integer is.
    static void hash(HashAccumulator& accumulator, const StringPosition& value)
    {
        accumulator.addBytes(&value.offset, 8);
    }
};

} // namespace guard
