#include "guard/tree/ExpressionTree.h"

#include <cstring>

namespace guard {

ExpressionTree::ExpressionTree(StackAllocatorBase& allocator) : allocator_(allocator), start_(allocator.mark()) { }

String ExpressionTree::copyText(const char* begin, const char* end)
{
    std::size_t count = std::size_t(end - begin);
    char* bytes = static_cast<char*>(allocator_.allocate(count ? count : 1));
    if (count)
        std::memcpy(bytes, begin, count);
    return String(bytes, std::uint32_t(count));
}

void ExpressionTree::finish()
{
    root_ = nodes_;
    depthLimit_ = kMaxExpressionDepth + 1;
    if (bindOnFinish_ && root_)
        root_->bind(nullptr, allocator_);
}

void ExpressionTree::clear()
{
    rollBack(Checkpoint{start_, nullptr});
    root_ = nullptr;
    depthLimit_ = kMaxExpressionDepth;
}

void ExpressionTree::rollBack(const Checkpoint& checkpoint)
{
    while (nodes_ != checkpoint.nodes) {
        Expression* next = nodes_->nextBuilt;
        nodes_->~Expression();
        nodes_ = next;
        --count_;
    }
    allocator_.release(checkpoint.mark);
}

} // namespace guard
