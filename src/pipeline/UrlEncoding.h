#pragma once
// URL percent-encoding as data filters.
//
// UrlEncoder copies every byte of its caller's set of unencoded bytes and
// writes any other byte as "%" and two lowercase hexadecimal digits; an
// escape cut by a full window is finished in the next one. UrlDecoder turns
// "%" followed by two hexadecimal digits (either case) back into the byte
// and copies every other byte, a "%" without two digits after it included
// (also at the very end). Neither ever fails.
#include <bitset>

#include "pipeline/DataFilter.h"

namespace guard {

class UrlEncoder : public DataFilter {
public:
    explicit UrlEncoder(const std::bitset<256>& unencoded) : unencoded_(unencoded) { }

    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return pending_ == 0; }
    void Drain(MutableRange& out) override;

private:
    std::bitset<256> unencoded_;
    unsigned char byte_ = 0;
    unsigned pending_ = 0; // of "%", high digit, low digit still to write
};

class UrlDecoder final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return held_ == 0 && flushAt_ == flushEnd_; }
    void Drain(MutableRange& out) override;

private:
    bool Flush(MutableRange& out);

    char escape_[3] = {}; // "%" and the digits read so far
    unsigned held_ = 0;
    char flush_[3] = {}; // bytes decided on, waiting for room
    unsigned flushAt_ = 0;
    unsigned flushEnd_ = 0;
};

} // namespace guard
