#pragma once
// A fixed-capacity output range over storage owned by someone else: bytes
// are appended at a cursor that runs from the start to the end of the
// storage. Appending past the end, or indexing at or beyond it, throws
// DataOverflow and leaves the range unchanged. FixedBuffer<N> is the same
// range with its N bytes of storage inside.
#include <cstddef>
#include <cstring>

#include "pipeline/DataOverflow.h"

namespace guard {

class FixedOutputRange {
public:
    FixedOutputRange(char* begin, char* end) noexcept : begin_(begin), cursor_(begin), end_(end) { }
    FixedOutputRange(const FixedOutputRange&) = delete;
    FixedOutputRange& operator=(const FixedOutputRange&) = delete;

    // What has been written so far.
    const char* begin() const noexcept { return begin_; }
    const char* end() const noexcept { return cursor_; }
    char* cursor() noexcept { return cursor_; }
    std::size_t size() const noexcept { return static_cast<std::size_t>(cursor_ - begin_); }
    std::size_t capacity() const noexcept { return static_cast<std::size_t>(end_ - begin_); }
    std::size_t room() const noexcept { return static_cast<std::size_t>(end_ - cursor_); }
    bool isEmpty() const noexcept { return cursor_ == begin_; }
    bool isFull() const noexcept { return cursor_ == end_; }

    void clear() noexcept { cursor_ = begin_; }

    void append(char byte)
    {
        if (cursor_ == end_)
            throw DataOverflow();
        *cursor_++ = byte;
    }

    void append(const char* begin, const char* end)
    {
        std::size_t count = static_cast<std::size_t>(end - begin);
        if (count > room())
            throw DataOverflow();
        if (count != 0)
            std::memcpy(cursor_, begin, count);
        cursor_ += count;
    }

    // Marks `count` bytes written directly at cursor() as used.
    void advance(std::size_t count)
    {
        if (count > room())
            throw DataOverflow();
        cursor_ += count;
    }

    // Any place of the storage, written or not.
    char& operator[](std::size_t index)
    {
        if (index >= capacity())
            throw DataOverflow();
        return begin_[index];
    }

private:
    char* begin_;
    char* cursor_;
    char* end_;
};

template <std::size_t N>
class FixedBuffer : public FixedOutputRange {
public:
    FixedBuffer() noexcept : FixedOutputRange(storage_, storage_ + N) { }

private:
    char storage_[N];
};

} // namespace guard
