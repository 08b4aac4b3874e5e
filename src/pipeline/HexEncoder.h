#pragma once
// Hexadecimal encoding as a data filter: each byte becomes two lowercase
// digits, the high one first. When only one output place is left, the high
// digit is written and the low one held for the next window.
#include "pipeline/DataFilter.h"

namespace guard {

class HexEncoder final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
    bool IsDrained() override { return !holding_; }
    void Drain(MutableRange& out) override;

private:
    char held_ = 0;
    bool holding_ = false;
};

} // namespace guard
