#pragma once
// Longest-match lookup in a table of spellings sorted by byte value, one byte
// at a time: the range [low, high) of entries that begin with the bytes fed
// so far, and the number of bytes fed (depth).
//
// Feeding a byte first drops the entry that ends exactly at the current depth
// (it sorts first in the range and cannot match a longer text), then keeps
// the entries whose byte at the depth is the one fed. complete() tells
// whether the first entry left ends exactly at the depth: the text fed is
// that entry's whole spelling. A SpellingTable keeps, beside its entries,
// the range for every first byte, so that the first step is one lookup.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace guard {

class GuardParsingAction;

struct GuardSpelling {
    std::string_view spelling;
    const GuardParsingAction* action;
};

struct SpellingRange;

struct SpellingTable {
    std::span<const GuardSpelling> entries;
    const SpellingRange* byFirstByte; // 256 ranges of depth 1
};

struct SpellingRange {
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    std::uint16_t depth = 0;

    static SpellingRange all(std::span<const GuardSpelling> table) { return {0, std::uint16_t(table.size()), 0}; }

    bool empty() const { return low == high; }
    std::size_t candidates() const { return std::size_t(high - low); }
    bool complete(std::span<const GuardSpelling> table) const
    {
        return low < high && table[low].spelling.size() == depth;
    }

    SpellingRange narrowed(const SpellingTable& table, unsigned char byte) const
    {
        if (depth == 0) // the whole table
            return table.byFirstByte[byte];
        return narrowed(table.entries, byte);
    }

    // Feeds [text, end) as narrowed() would, byte by byte, but stops early
    // once no entry is left and compares the rest at once when one is left.
    SpellingRange advanced(const SpellingTable& table, const char* text, const char* end) const
    {
        SpellingRange range = *this;
        while (text < end && !range.empty()) {
            if (range.candidates() == 1 && !range.complete(table.entries)) {
                std::string_view rest = table.entries[range.low].spelling.substr(range.depth);
                std::size_t count = std::size_t(end - text);
                if (rest.size() < count || rest.compare(0, count, text, count) != 0)
                    return {range.low, range.low, std::uint16_t(range.depth + count)};
                range.depth = std::uint16_t(range.depth + count);
                return range;
            }
            range = range.narrowed(table, static_cast<unsigned char>(*text++));
        }
        return range;
    }

    SpellingRange narrowed(std::span<const GuardSpelling> table, unsigned char byte) const
    {
        std::uint16_t from = low;
        if (complete(table))
            ++from;
        // Every entry in [from, high) is longer than `depth`.
        auto byteOf = [&](std::uint16_t entry) { return static_cast<unsigned char>(table[entry].spelling[depth]); };
        std::uint16_t first = from, last = high;
        while (first < last) { // first entry whose byte is not below `byte`
            std::uint16_t middle = std::uint16_t(first + (last - first) / 2);
            if (byteOf(middle) < byte)
                first = std::uint16_t(middle + 1);
            else
                last = middle;
        }
        std::uint16_t end = first;
        last = high;
        while (end < last) { // first entry whose byte is above `byte`
            std::uint16_t middle = std::uint16_t(end + (last - end) / 2);
            if (byteOf(middle) <= byte)
                end = std::uint16_t(middle + 1);
            else
                last = middle;
        }
        return {first, end, std::uint16_t(depth + 1)};
    }
};

} // namespace guard
