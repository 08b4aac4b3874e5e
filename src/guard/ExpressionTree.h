#pragma once
// The storage and node list of one parsed expression.
//
// Nodes, phrase texts and string literals are allocated from the tree's
// stack allocator; every node made is linked into the tree's list (so that
// all are destroyed together by clear()) and recorded as the last built,
// which after a complete parse is the root. finish() binds the root with no
// enclosing "it".
#include <new>
#include <utility>

#include "guard/Expression.h"
#include "registry/CoreValues.h"
#include "registry/StackAllocator.h"

class ExpressionTree {
public:
    explicit ExpressionTree(StackAllocatorBase& allocator);
    ~ExpressionTree() { clear(); }
    ExpressionTree(const ExpressionTree&) = delete;
    ExpressionTree& operator=(const ExpressionTree&) = delete;

    template <class Node, class... Args>
    Node* make(Args&&... args)
    {
        void* room = allocator_.allocate(sizeof(Node));
        Node* node = new (room) Node(std::forward<Args>(args)...);
        node->nextBuilt = nodes_;
        nodes_ = node;
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
    StackAllocatorBase& allocator_;
    StackAllocatorBase::Mark start_;
    Expression* nodes_ = nullptr;
    Expression* root_ = nullptr;
    bool bindOnFinish_ = true;
};
