#include "registry/StackAllocator.h"

#include <cstdlib>
#include <new>

namespace guard {

StackAllocatorBase::StackAllocatorBase(void* firstChunk, std::size_t bytes)
    : current_(static_cast<Chunk*>(firstChunk)), first_(current_)
{
    current_->end = static_cast<char*>(firstChunk) + bytes;
    current_->previous = nullptr;
    current_->previousPosition = nullptr;
    makeCurrent(current_);
    position_ = begin_;
}

void StackAllocatorBase::makeCurrent(Chunk* chunk)
{
    current_ = chunk;
    begin_ = data(chunk);
    end_ = chunk->end;
}

StackAllocatorBase::~StackAllocatorBase()
{
    runFinalizers(0);
    for (Chunk* chunk = current_; chunk != first_;) {
        Chunk* previous = chunk->previous;
        std::free(chunk);
        chunk = previous;
    }
    std::free(spare_);
}

void StackAllocatorBase::addFinalizer(FinalizerFunction finalize, void* argument)
{
    auto* record = static_cast<Finalizer*>(allocate(sizeof(Finalizer)));
    record->finalize = finalize;
    record->argument = argument;
    record->previous = finalizers_;
    finalizers_ = record;
    ++finalizerCount_;
}

void StackAllocatorBase::runFinalizers(std::size_t keep) noexcept
{
    // Each record is unlinked before it runs, so a finaliser that releases
    // this allocator again does not run twice.
    while (finalizerCount_ > keep) {
        Finalizer* record = finalizers_;
        finalizers_ = record->previous;
        --finalizerCount_;
        record->finalize(record->argument);
    }
}

std::size_t StackAllocatorBase::chunkCount() const
{
    std::size_t count = 0;
    for (Chunk* chunk = current_; chunk; chunk = chunk->previous)
        ++count;
    return count;
}

void* StackAllocatorBase::allocateInNewChunk(std::size_t rounded)
{
    Chunk* chunk = nullptr;
    if (spare_ && std::size_t(spare_->end - data(spare_)) >= rounded) {
        chunk = spare_;
        spare_ = nullptr;
    } else {
        std::free(spare_);
        spare_ = nullptr;
        std::size_t size = 2 * currentChunkDataSize();
        if (size < rounded)
            size = rounded;
        chunk = static_cast<Chunk*>(std::malloc(kChunkHeaderSize + size));
        if (!chunk)
            throw std::bad_alloc();
        chunk->end = data(chunk) + size;
    }
    chunk->previous = current_;
    chunk->previousPosition = position_;
    makeCurrent(chunk);
    position_ = begin_ + rounded;
    return data(chunk);
}

void StackAllocatorBase::popChunk()
{
    Chunk* popped = current_;
    makeCurrent(popped->previous);
    position_ = popped->previousPosition;
    std::free(spare_);
    spare_ = popped;
}

void StackAllocatorBase::releaseAcrossChunks(Mark mark)
{
    while (current_->previous && !(mark.position >= begin_ && mark.position <= end_))
        popChunk();
    position_ = mark.position;
    if (position_ == begin_ && current_->previous)
        popChunk();
}

} // namespace guard
