#pragma once
// A receiver that runs its stream through a DataFilter into a fixed output
// buffer. Start() rewinds the buffer's cursor to its start; Receive() filters
// the bytes into the buffer (DataOverflow when they do not all fit, with the
// buffer full); Finish() detaches the filter and the buffer, whose produced
// bytes stay readable through BufferStart() and Cursor() until the next
// Attach(). Receiving while either is missing throws NullBufferFiller.
#include <cstddef>

#include "pipeline/DataFilter.h"
#include "pipeline/DataReceiver.h"

namespace guard {

GUARD_EXCEPTION(NullBufferFiller, DebuggableException);

class BufferFiller final : public DataReceiver {
public:
    BufferFiller() = default;
    BufferFiller(DataFilter& filter, char* begin, char* end) { Attach(filter, begin, end); }

    void Attach(DataFilter& filter, char* begin, char* end) noexcept
    {
        filter_ = &filter;
        start_ = begin;
        cursor_ = begin;
        end_ = end;
    }

    // What the stream has produced so far: [BufferStart(), Cursor()).
    char* BufferStart() const noexcept { return start_; }
    char* Cursor() const noexcept { return cursor_; }
    std::size_t Filled() const noexcept { return static_cast<std::size_t>(cursor_ - start_); }

    void Start() override { cursor_ = start_; }
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

private:
    DataFilter* filter_ = nullptr;
    char* start_ = nullptr;
    char* cursor_ = nullptr;
    char* end_ = nullptr;
};

} // namespace guard
