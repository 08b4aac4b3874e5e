#pragma once
// A set of bytes as a 256-bit map: bit b of word w stands for byte 32·w + b.
//
// Sets are built by constexpr functions, so the ones the lexers use are
// constant data made once, at compile time, and shared by every lexer.
#include <cstdint>
#include <string_view>

namespace guard {

class CharacterSet {
public:
    constexpr CharacterSet() = default;

    // The set of the bytes in `bytes`.
    static constexpr CharacterSet of(std::string_view bytes) { return CharacterSet().with(bytes); }

    constexpr CharacterSet with(std::string_view bytes) const
    {
        CharacterSet result = *this;
        for (char c : bytes)
            result.add(static_cast<unsigned char>(c));
        return result;
    }
    // Adds the bytes from `first` to `last`, both included.
    constexpr CharacterSet withRange(unsigned char first, unsigned char last) const
    {
        CharacterSet result = *this;
        for (unsigned c = first; c <= last; ++c)
            result.add(static_cast<unsigned char>(c));
        return result;
    }

    constexpr bool contains(unsigned char byte) const { return (words_[byte >> 5] >> (byte & 31)) & 1u; }
    constexpr bool contains(char byte) const { return contains(static_cast<unsigned char>(byte)); }

    // The first byte of [begin, end) not in the set, or end.
    const char* skip(const char* begin, const char* end) const
    {
        while (begin < end && contains(*begin))
            ++begin;
        return begin;
    }

private:
    constexpr void add(unsigned char byte) { words_[byte >> 5] |= std::uint32_t(1) << (byte & 31); }

    std::uint32_t words_[8] = {};
};

} // namespace guard
