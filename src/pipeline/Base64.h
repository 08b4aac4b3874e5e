#pragma once
// Base64 (the alphabet A-Z, a-z, 0-9, "+", "/") as data filters.
//
// Base64Encoder writes one character per 6 input bits and, when drained at
// the end, the last 2 or 4 bits as one more character followed by "==" or
// "="; it writes no line breaks. Base64Decoder skips every byte outside the
// alphabet ("=", blanks, line ends, anything else), writes a byte whenever 8
// bits are held and drops the bits left at the end: it never fails. Both give
// the same output for any split of their input and any size of output window.
#include <cstdint>

#include "pipeline/DataFilter.h"

namespace guard {

class Base64Encoder final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return bits_ == 0 && padding_ == 0; }
    void Drain(MutableRange& out) override;

    // The length of the encoding of `count` bytes.
    static std::uint64_t EncodedLength(std::uint64_t count) { return (count + 2) / 3 * 4; }

private:
    bool WriteSextets(MutableRange& out);

    std::uint32_t accumulator_ = 0;
    unsigned bits_ = 0;
    unsigned padding_ = 0; // "=" still to write after the last character
};

class Base64Decoder final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return bits_ < 8; }
    void Drain(MutableRange& out) override;

    // At most this many bytes come out of `count` input bytes.
    static std::uint64_t MaxDecodedLength(std::uint64_t count) { return count / 4 * 3 + 2; }

private:
    std::uint32_t accumulator_ = 0;
    unsigned bits_ = 0;
};

} // namespace guard
