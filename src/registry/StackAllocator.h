#pragma once
// LIFO allocator for expression nodes and values.
//
// Memory is handed out by bumping a position through a chain of chunks; it is
// never freed piece by piece but released back to a mark. A request is
// rounded up to a multiple of 8 (0 bytes take 8). When a chunk is full the
// kept spare chunk is reused if big enough, otherwise a chunk twice the size
// of the current one (or of the request, if larger) is allocated. Releasing
// back past a chunk keeps that chunk as the one spare (freeing an older
// spare), so a loop that crosses a chunk boundary allocates no heap memory
// after the first time. The first chunk belongs to the owner.
//
// Memory that owns something outside the allocator (a parsed document, say)
// registers a finaliser with addFinalizer(): it runs, newest first, when the
// allocator is released to a mark taken before it was added, or when the
// allocator is destroyed. A finaliser's record lives in the allocator itself,
// so adding one allocates no heap memory. Releasing to a mark taken after a
// finaliser was added (or a stale mark, beyond what was since released) runs
// none.
#include <cstddef>
#include <cstdint>

namespace guard {

class StackAllocatorBase {
public:
    // A position to release to; taken by mark().
    struct Mark {
        char* position;
        std::size_t finalizerCount = 0; // finalisers added before the mark
    };

    using FinalizerFunction = void (*)(void* argument) noexcept;

    // `firstChunk` (at least kChunkHeaderSize + 8 bytes, aligned to 8) stays
    // the owner's; chunks added later are freed by the destructor.
    StackAllocatorBase(void* firstChunk, std::size_t bytes);
    ~StackAllocatorBase();
    StackAllocatorBase(const StackAllocatorBase&) = delete;
    StackAllocatorBase& operator=(const StackAllocatorBase&) = delete;

    void* allocate(std::size_t bytes)
    {
        std::size_t rounded = bytes == 0 ? 8 : (bytes + 7) & ~std::size_t(7);
        if (rounded <= std::size_t(end_ - position_)) {
            char* result = position_;
            position_ += rounded;
            return result;
        }
        return allocateInNewChunk(rounded);
    }

    Mark mark() const { return Mark{position_, finalizerCount_}; }

    void release(Mark mark)
    {
        if (mark.finalizerCount < finalizerCount_)
            runFinalizers(mark.finalizerCount);
        if (mark.position > begin_ && mark.position <= end_)
            position_ = mark.position;
        else
            releaseAcrossChunks(mark);
    }

    // Runs `finalize(argument)` when this allocator is released below the
    // current position or destroyed. The function must not throw.
    void addFinalizer(FinalizerFunction finalize, void* argument);

    // Introspection for tests and statistics.
    std::size_t finalizerCount() const { return finalizerCount_; }
    std::size_t chunkCount() const;
    bool hasSpare() const { return spare_ != nullptr; }
    std::size_t currentChunkDataSize() const { return std::size_t(end_ - begin_); }

    static constexpr std::size_t kChunkHeaderSize = 32;

private:
    struct Chunk {
        char* end;              // end of the chunk's data
        Chunk* previous;        // chunk that was current before this one
        char* previousPosition; // position in `previous` when this one was pushed
        std::size_t unused;
    };
    static_assert(sizeof(Chunk) == kChunkHeaderSize);

    struct Finalizer {
        FinalizerFunction finalize;
        void* argument;
        Finalizer* previous;
    };

    static char* data(Chunk* chunk) { return reinterpret_cast<char*>(chunk) + kChunkHeaderSize; }
    void* allocateInNewChunk(std::size_t rounded);
    void releaseAcrossChunks(Mark mark);
    void popChunk();
    void makeCurrent(Chunk* chunk);
    // Runs the newest finalisers until `keep` are left.
    void runFinalizers(std::size_t keep) noexcept;

    Chunk* current_;
    char* begin_; // the current chunk's data
    char* end_;
    char* position_;
    Chunk* spare_ = nullptr;
    Chunk* first_;
    Finalizer* finalizers_ = nullptr; // the newest first
    std::size_t finalizerCount_ = 0;
};

// An allocator whose first chunk of `Bytes` lives inside the object itself.
template <std::size_t Bytes>
class InlineStackAllocator : public StackAllocatorBase {
public:
    InlineStackAllocator() : StackAllocatorBase(buffer_, Bytes) { }

private:
    alignas(16) char buffer_[Bytes];
};

} // namespace guard
