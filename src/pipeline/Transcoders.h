#pragma once
// Transcoders between UTF-8, UTF-16 (little-endian code units, two bytes
// each) and US-ASCII, as data filters: the same output for any split of the
// input and any size of output window. A sequence cut by the end of an input
// run is held and completed by the next run; a unit or sequence that cannot
// be written in the target is held until there is room.
//
// As a stage of a receiver chain, a transcoder runs inside a DataFilterer:
// the error then travels up to whoever pushed the bytes.
//
// Malformed input throws InvalidTextEncoding at the byte that breaks or
// completes a bad sequence or, for input that ends inside a sequence, when
// the filter is drained:
//  - UTF-8: a byte that is neither a valid lead nor, where one is due, a
//    continuation (10xxxxxx); overlong forms (C0 and C1 leads, three-byte
//    forms below U+0800, four-byte forms below U+10000); encoded surrogates
//    (ED A0 to ED BF); code points above U+10FFFF;
//  - UTF-16: a surrogate that is not part of a high-low pair, an odd byte at
//    the end;
//  - US-ASCII: any byte of 128 or more.
#include <cstdint>

#include "pipeline/DataFilter.h"
#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(InvalidTextEncoding, DebuggableException);

// Output bytes of one decoded unit waiting for room.
class HeldOutput {
public:
    bool Empty() const { return at_ == count_; }
    // Writes what fits; true when nothing is left.
    bool Flush(MutableRange& out);
    void Hold(std::uint32_t codePoint, bool asUtf16);

private:
    char bytes_[4] = {};
    unsigned count_ = 0;
    unsigned at_ = 0;
};

class Utf8ToUtf16Filter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return held_.Empty() && needed_ == 0; }
    void Drain(MutableRange& out) override;

private:
    HeldOutput held_;
    std::uint32_t codePoint_ = 0;
    unsigned needed_ = 0; // continuation bytes still due
    unsigned length_ = 0; // of the sequence being read
};

class Utf16ToUtf8Filter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return held_.Empty() && !haveByte_ && highSurrogate_ == 0; }
    void Drain(MutableRange& out) override;

private:
    HeldOutput held_;
    unsigned char lowByte_ = 0;
    bool haveByte_ = false;
    std::uint32_t highSurrogate_ = 0;
};

// US-ASCII checked, passed on unchanged (to UTF-8) or widened (to UTF-16).
class AsciiToUtf8Filter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
};

class AsciiToUtf16Filter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return held_.Empty(); }
    void Drain(MutableRange& out) override { held_.Flush(out); }

private:
    HeldOutput held_;
};

} // namespace guard
