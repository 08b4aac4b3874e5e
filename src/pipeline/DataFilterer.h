#pragma once
// A receiver that runs its stream through a DataFilter and pushes the result
// downstream in pieces of at most 1024 bytes. Finish() drains what the
// filter still holds, then finishes downstream. A filter that, given input
// and room, neither consumes nor produces anything throws DataFilterStalled
// (it would otherwise be called for ever).
#include <cstddef>

#include "pipeline/DataFilter.h"
#include "pipeline/DataReceiver.h"

namespace guard {

GUARD_EXCEPTION(DataFilterStalled, DebuggableException);

class DataFilterer final : public DataReceiver {
public:
    static constexpr std::size_t kChunkSize = 1024;

    DataFilterer(DataReceiver& downstream, DataFilter& filter) : downstream_(downstream), filter_(filter) { }

    void Start() override { downstream_.Start(); }
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

private:
    DataReceiver& downstream_;
    DataFilter& filter_;
};

} // namespace guard
