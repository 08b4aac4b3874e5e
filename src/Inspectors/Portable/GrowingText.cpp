#include "Inspectors/Portable/GrowingText.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace guard {

namespace {

// The one buffer kept on this thread between texts. Trivially destructible,
// so that a text destroyed late in the thread's exit still finds it; the
// buffer itself is freed by `keptRelease`, which closes it for good.
struct KeptBuffer {
    char* bytes = nullptr;
    std::size_t capacity = 0;
    bool closed = false;
};

thread_local KeptBuffer kept;

struct KeptBufferRelease {
    ~KeptBufferRelease()
    {
        std::free(kept.bytes);
        kept = KeptBuffer{nullptr, 0, true};
    }
};

thread_local KeptBufferRelease keptRelease;

constexpr std::size_t kFirstCapacity = 256;

} // namespace

GrowingText::~GrowingText()
{
    if (bytes_ && capacity_ <= kKeptCapacity && capacity_ > kept.capacity && !kept.closed) {
        // Registers the release at the thread's exit, the first time.
        static_cast<void>(&keptRelease);
        std::free(kept.bytes);
        kept.bytes = bytes_;
        kept.capacity = capacity_;
        return;
    }
    std::free(bytes_);
}

void GrowingText::append(std::string_view text)
{
    if (text.size() > capacity_ - size_)
        grow(text.size());
    if (!text.empty())
        std::memcpy(bytes_ + size_, text.data(), text.size());
    size_ += text.size();
}

void GrowingText::grow(std::size_t needed)
{
    if (needed > std::numeric_limits<std::size_t>::max() / 2 - size_)
        throw std::bad_alloc();
    std::size_t wanted = size_ + needed;
    if (!bytes_ && kept.bytes && kept.capacity >= wanted) {
        bytes_ = kept.bytes;
        capacity_ = kept.capacity;
        kept.bytes = nullptr;
        kept.capacity = 0;
        return;
    }
    std::size_t capacity = capacity_ ? capacity_ * 2 : kFirstCapacity;
    if (capacity < wanted)
        capacity = wanted;
    void* grown = std::realloc(bytes_, capacity);
    if (!grown)
        throw std::bad_alloc();
    bytes_ = static_cast<char*>(grown);
    capacity_ = capacity;
}

} // namespace guard
