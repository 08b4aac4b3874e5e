#pragma once
// The storage and node list of one parsed expression.
//
// Nodes, phrase texts and string literals are allocated from the tree's
// stack allocator; every node made is linked into the tree's list (so that
// all are destroyed together by clear()) and recorded as the last built,
// which after a complete parse is the root. finish() binds the root with no
// enclosing "it".
//
// make() records each node's depth (one more than its deepest child) and
// throws ExpressionTooDeep beyond kMaxExpressionDepth levels, or
// ExpressionTooLarge beyond kMaxExpressionNodes nodes, before making it. A
// finished tree allows one level more, for the conversion that an evaluator
// may put above its root.
#include <algorithm>
#include <new>
#include <type_traits>
#include <utility>

#include "guard/tree/Expression.h"
#include "guard/tree/ExpressionLimits.h"
#include "registry/CoreValues.h"
#include "registry/StackAllocator.h"

namespace guard {

class ExpressionTree {
public:
    explicit ExpressionTree(StackAllocatorBase& allocator);
    ~ExpressionTree() { clear(); }
    ExpressionTree(const ExpressionTree&) = delete;
    ExpressionTree& operator=(const ExpressionTree&) = delete;

    template <class Node, class... Args>
    Node* make(Args&&... args)
    {
        std::uint32_t depth = 1 + std::max({std::uint32_t(0), depthOf(args)...});
        if (depth > depthLimit_)
            throw ExpressionTooDeep();
        if (count_ == kMaxExpressionNodes)
            throw ExpressionTooLarge();
        void* room = allocator_.allocate(sizeof(Node));
        Node* node = new (room) Node(std::forward<Args>(args)...);
        node->depth = depth;
        node->nextBuilt = nodes_;
        nodes_ = node;
        ++count_;
        return node;
    }

    // A copy of the bytes in the tree's storage (at least one byte is
    // reserved, so an empty text still has an address).
    String copyText(const char* begin, const char* end);

    Expression* lastBuilt() const { return nodes_; }
    Expression* root() const { return root_; }

    // Binds the last built node as the root (unless binding is switched off,
    // which tests of the tree's shape do).
    void finish();
    void setBindOnFinish(bool bind) { bindOnFinish_ = bind; }

    // Destroys every node and releases the storage to where it stood when
    // the tree was made.
    void clear();

    // A point to come back to: rollBack() destroys the nodes made since and
    // releases their storage.
    struct Checkpoint {
        StackAllocatorBase::Mark mark;
        Expression* nodes;
    };
    Checkpoint checkpoint() const { return {allocator_.mark(), nodes_}; }
    void rollBack(const Checkpoint& checkpoint);

    StackAllocatorBase& allocator() { return allocator_; }

private:
    // The depth of a node argument (0 for none); other arguments count 0.
    template <class Arg>
    static std::uint32_t depthOf(const Arg& arg)
    {
        if constexpr (std::is_convertible_v<const Arg&, const Expression*>) {
            const Expression* child = arg;
            return child ? child->depth : 0;
        } else {
            return 0;
        }
    }

    StackAllocatorBase& allocator_;
    StackAllocatorBase::Mark start_;
    Expression* nodes_ = nullptr;
    Expression* root_ = nullptr;
    std::uint32_t count_ = 0;
    std::uint32_t depthLimit_ = kMaxExpressionDepth;
    bool bindOnFinish_ = true;
};

} // namespace guard
