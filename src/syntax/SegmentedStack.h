#pragma once
// A stack of trivially copyable elements whose first block of InlineCount
// entries lives inside the object.
//
// When a block is full, a heap block twice its size is linked on top. A block
// emptied by popping is kept as the one spare (freeing an older spare) and is
// reused by the next growth, so a stack that goes up and down across a block
// boundary allocates only the first time. References to elements stay valid
// until the element is popped.
//
// Reading or popping more elements than the stack holds is a caller's
// error; debug builds assert on it.
#include <cassert>
#include <cstddef>
#include <new>
#include <type_traits>

namespace guard {

template <class T, std::size_t InlineCount>
class SegmentedStack {
    static_assert(std::is_trivially_copyable_v<T>);
    static_assert(InlineCount > 0);

public:
    SegmentedStack() : top_(inline_) { }
    ~SegmentedStack()
    {
        while (block_ != &first_) {
            Block* below = block_->below;
            release(block_);
            block_ = below;
        }
        release(spare_);
    }
    SegmentedStack(const SegmentedStack&) = delete;
    SegmentedStack& operator=(const SegmentedStack&) = delete;

    // A new top element, uninitialised.
    T& push()
    {
        if (top_ == block_->end)
            grow();
        return *top_++;
    }
    void push(const T& value) { push() = value; }

    T& top()
    {
        assert(!empty());
        return top_[-1];
    }
    const T& top() const
    {
        assert(!empty());
        return top_[-1];
    }

    // The element `n` below the top (0 is the top).
    T& below(std::size_t n)
    {
        assert(n < size());
        Block* block = block_;
        T* top = top_;
        while (n >= std::size_t(top - block->begin)) {
            n -= std::size_t(top - block->begin);
            block = block->below;
            top = block->end;
        }
        return top[-1 - std::ptrdiff_t(n)];
    }

    void pop()
    {
        assert(!empty());
        if (--top_ == block_->begin && block_ != &first_)
            dropBlock();
    }
    void pop(std::size_t n)
    {
        assert(n <= size());
        if (n < std::size_t(top_ - block_->begin)) {
            top_ -= n;
            return;
        }
        for (;;) {
            std::size_t inBlock = std::size_t(top_ - block_->begin);
            if (n < inBlock || block_ == &first_) {
                top_ -= n;
                return;
            }
            n -= inBlock;
            dropBlock();
        }
    }
    void clear() { pop(size()); }

    bool empty() const { return top_ == inline_; }
    std::size_t size() const
    {
        std::size_t count = std::size_t(top_ - block_->begin);
        for (const Block* block = block_->below; block; block = block->below)
            count += std::size_t(block->end - block->begin);
        return count;
    }

    // For tests: the number of heap blocks in use and whether one is spare.
    std::size_t heapBlocks() const
    {
        std::size_t count = 0;
        for (const Block* block = block_; block != &first_; block = block->below)
            ++count;
        return count;
    }
    bool hasSpare() const { return spare_ != nullptr; }

private:
    struct Block {
        Block* below;
        T* begin;
        T* end;
    };

    void grow()
    {
        std::size_t capacity = 2 * std::size_t(block_->end - block_->begin);
        Block* block = spare_;
        spare_ = nullptr;
        if (!block || std::size_t(block->end - block->begin) < capacity) {
            release(block);
            void* room = ::operator new(sizeof(Block) + capacity * sizeof(T));
            block = static_cast<Block*>(room);
            block->begin = reinterpret_cast<T*>(static_cast<char*>(room) + sizeof(Block));
            block->end = block->begin + capacity;
        }
        block->below = block_;
        block_ = block;
        top_ = block->begin;
    }
    // The current heap block is empty: go down to the full block below.
    void dropBlock()
    {
        Block* emptied = block_;
        block_ = emptied->below;
        top_ = block_->end;
        release(spare_);
        spare_ = emptied;
    }
    static void release(Block* block) { ::operator delete(static_cast<void*>(block)); }

    T inline_[InlineCount];
    Block first_{nullptr, inline_, inline_ + InlineCount};
    Block* block_ = &first_;
    T* top_;
    Block* spare_ = nullptr;
};

} // namespace guard
