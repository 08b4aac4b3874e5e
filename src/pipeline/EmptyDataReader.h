#pragma once
// A reader that is always at its end: ReadSome() reads nothing, and
// ReadExactly() of a non-empty range throws NoMoreData.
#include "pipeline/DataReader.h"

namespace guard {

class EmptyDataReader final : public DataReader {
public:
    bool AtEnd() override { return true; }
    void ReadSome(MutableRange&) override { }
};

} // namespace guard
