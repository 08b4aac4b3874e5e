#pragma once
// The base of every expression node and the cursor through which a node
// reads a child.
//
// A bound node is a cursor over a stream of values: first() starts it, next()
// advances it, close() abandons it early. Afterwards `value` points to the
// current value (a raw block of the result type's size) or is null when the
// stream has ended. first() and next() return an EvalCode; a non-zero code
// means a singular expression had no value (1) or a second one (2), or a
// value could not be converted (3). A value stays valid until its node
// advances, is closed, or an ancestor releases the allocator below it.
//
// Nodes are made by the tree builder in an ExpressionTree and bound once by
// bind(itTarget): each node binds its children, settles its result type and
// plural flag, and looks up the inspector it calls. Binding failures are
// exceptions.
#include <cstdint>

#include "platform/DebuggableException.h"
#include "registry/StackAllocator.h"
#include "registry/TypeRecord.h"

namespace guard {

enum EvalCode : std::uint8_t {
    kEvalOk = 0,
    kEvalNoValue = 1,      // a singular expression has no value
    kEvalNotUnique = 2,    // a singular expression has more than one value
    kEvalNotConverted = 3, // a value could not be converted to the required type
};

enum class NodeKind : std::uint8_t {
    World,
    String,
    Integer,
    NoInteger,
    It,
    Property,
    ComputedProperty,
    ItemOf,
    NumberOf,
    Exists,
    Cast,
    ImplicitConversion,
    UnaryOperator,
    LogicalNot,
    BinaryOperator,
    And,
    Or,
    If,
    Bar,
    Collection,
    Tuple,
    Whose,
};

class Expression {
public:
    explicit Expression(NodeKind kind) : kind(kind) { }
    virtual ~Expression() = default;
    Expression(const Expression&) = delete;
    Expression& operator=(const Expression&) = delete;

    virtual EvalCode first() = 0;
    virtual EvalCode next() = 0;
    // Discards the current value and closes the children still open.
    virtual void close() = 0;

    // The node that "it" refers to inside a clause attached to this node.
    virtual Expression* itTarget() { return this; }

    // Binds the subtree; `itTarget` is the enclosing clause's "it" (or null),
    // `allocator` the tree's storage for value buffers and inspector state.
    // Returns whether the subtree's values can be signed.
    virtual bool bind(Expression* itTarget, StackAllocatorBase& allocator) = 0;

    // For a node bound as `once`: its one value, or null when it has none,
    // computed without opening a stream (nothing is left to close). Literals,
    // "it", and operators, "not", "and" and "or" over such nodes qualify.
    virtual const void* evaluateOnce() { return nullptr; }

    bool singular() const { return !plural; }

    const void* value = nullptr;      // current value, null when none
    const TypeRecord* type = nullptr; // result type, set by bind
    bool plural = false;              // may have any number of values
    bool once = false;                // evaluateOnce() gives its value
    // Set by bind: the node has the same outcome at every evaluation, as long
    // as the tree lives. Literals are constant; so is a node that calls an
    // inspector depending on its operands only (a pure inspector), is
    // singular, and reads only constant operands (the world is one). "it", volatile
    // inspectors and inspectors with global dependencies are not.
    bool constant = false;
    const NodeKind kind;
    std::uint32_t depth = 1;         // levels of the subtree, set by the tree
    Expression* nextBuilt = nullptr; // the tree's list of all its nodes
};

// How a node reads one child: start, advance and finish with the singular
// checks. For a checked (singular) child, a first value that is missing is
// code 1 and a second value found when advancing is code 2.
class ChildCursor {
public:
    ChildCursor() = default;
    ChildCursor(Expression* child, bool checked) : child(child), checked(checked) { }

    EvalCode start()
    {
        EvalCode code = child->first();
        if (code == kEvalOk && checked && !child->value)
            return kEvalNoValue;
        return code;
    }
    EvalCode advance()
    {
        EvalCode code = child->next();
        if (code == kEvalOk && checked && child->value) {
            child->close();
            return kEvalNotUnique;
        }
        return code;
    }
    // Done with the child: a checked child must have no further value; an
    // unchecked one is closed.
    EvalCode finish()
    {
        if (checked)
            return advance();
        if (child->value)
            child->close();
        return kEvalOk;
    }
    // Abandons the child if it still has a value; never throws.
    void discard() noexcept;

    Expression* child = nullptr;
    bool checked = false;
};

} // namespace guard
