#include "pipeline/LineMaker.h"

namespace guard {

namespace {

bool isLineBreak(char byte) noexcept { return byte == '\r' || byte == '\n'; }

} // namespace

void LineMaker::Start()
{
    position_ = 0;
    pending_ = 0;
    downstream_.Start(0);
}

void LineMaker::Receive(const char* begin, const char* end)
{
    const char* current = begin;
    while (current != end) {
        if (pending_ != 0) {
            // CR LF and LF CR are one two-byte terminator.
            std::uint64_t length = isLineBreak(*current) && *current != pending_ ? 2 : 1;
            if (length == 2)
                ++current;
            pending_ = 0;
            downstream_.LineEnd(position_, position_ + length);
            position_ += length;
            continue;
        }
        const char* text = current;
        while (current != end && !isLineBreak(*current))
            ++current;
        if (current != text) {
            downstream_.Text(text, current);
            position_ += static_cast<std::uint64_t>(current - text);
        }
        if (current != end)
            pending_ = *current++;
    }
}

void LineMaker::Finish()
{
    if (pending_ != 0) {
        pending_ = 0;
        downstream_.LineEnd(position_, position_ + 1);
        ++position_;
    }
    downstream_.Finish(position_);
}

} // namespace guard
