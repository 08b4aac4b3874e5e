#include "pipeline/LineFlattener.h"

#include "pipeline/StageNotAttached.h"

namespace guard {

DataReceiver& LineFlattener::downstream()
{
    if (!downstream_)
        throw StageNotAttached();
    return *downstream_;
}

void LineFlattener::Start(std::uint64_t) { downstream().Start(); }

void LineFlattener::Text(const char* begin, const char* end) { downstream().Receive(begin, end); }

void LineFlattener::LineEnd(std::uint64_t, std::uint64_t)
{
    downstream().Receive(lineEnd_.data(), lineEnd_.data() + lineEnd_.size());
}

void LineFlattener::Finish(std::uint64_t)
{
    DataReceiver& target = downstream();
    downstream_ = nullptr;
    target.Finish();
}

} // namespace guard
