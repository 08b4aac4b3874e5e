#pragma once
// Splits a byte stream into lines for a LineReceiver.
//
// CR, LF, CR LF and LF CR each end one line; CR CR and LF LF end two. A
// terminator byte is held until the next byte (or Finish()) shows whether it
// pairs with it, so the calls made downstream do not depend on how the
// stream is cut into chunks. LineEnd(start, end) gives the stream positions
// of the terminator; text after the last terminator arrives as Text() and is
// followed by Finish(total) directly.
#include <cstdint>

#include "pipeline/DataReceiver.h"
#include "pipeline/LineReceiver.h"

namespace guard {

class LineMaker final : public DataReceiver {
public:
    explicit LineMaker(LineReceiver& downstream) : downstream_(downstream) { }

    void Start() override;
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

private:
    LineReceiver& downstream_;
    std::uint64_t position_ = 0;
    char pending_ = 0;
};

} // namespace guard
