#pragma once
// ASCII letter case as data filters: Ascii::CaseRaisingFilter turns the bytes
// "a" to "z" into "A" to "Z", Ascii::CaseLoweringFilter the reverse; every
// other byte, those above 127 included, passes unchanged. Neither holds
// anything back.
#include "pipeline/DataFilter.h"

namespace guard::Ascii {

class CaseRaisingFilter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
};

class CaseLoweringFilter final : public DataFilter {
public:
    void Filter(ConstRange& in, MutableRange& out) override;
};

} // namespace guard::Ascii
