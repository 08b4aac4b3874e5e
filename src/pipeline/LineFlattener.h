#pragma once
// Turns a line stream back into bytes: the text of each line followed by a
// fixed line-ending sequence (for example CR LF), whatever ended the line in
// its source. Finish() finishes downstream and then detaches from it; calls
// while detached throw StageNotAttached until Attach() names a receiver.
#include <cstdint>
#include <string_view>

#include "pipeline/DataReceiver.h"
#include "pipeline/LineReceiver.h"

namespace guard {

class LineFlattener final : public LineReceiver {
public:
    // `lineEnd` must outlive the flattener (a literal, typically).
    LineFlattener(DataReceiver& downstream, std::string_view lineEnd) : downstream_(&downstream), lineEnd_(lineEnd) { }

    void Attach(DataReceiver& downstream) noexcept { downstream_ = &downstream; }

    void Start(std::uint64_t position) override;
    void Text(const char* begin, const char* end) override;
    void LineEnd(std::uint64_t start, std::uint64_t end) override;
    void Finish(std::uint64_t total) override;

private:
    DataReceiver& downstream();

    DataReceiver* downstream_;
    std::string_view lineEnd_;
};

} // namespace guard
