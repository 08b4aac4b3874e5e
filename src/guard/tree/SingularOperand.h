#pragma once
// How a node reads a singular operand, without evaluating what needs no
// evaluation: a literal's value is fixed when it is bound, "it" is the
// current value of its target, and an operand bound as `once` is computed
// by evaluateOnce(). A constant operand of a self-contained type (a pure
// inspector over literals, such as «"1 Jan 2009 00:00 GMT" as time» or
// "minute") is evaluated the first time it is read; its value is copied
// into storage of the tree and served from there for the rest of the tree's
// life. Any other operand is read through a checked ChildCursor. The outcome
// is the same as reading every operand through a cursor (no value is code
// 1); only the calls are saved.
#include "guard/tree/Expression.h"

namespace guard {

class SingularOperand {
public:
    // Called after `operand` is bound; `allocator` is the tree's storage.
    void bind(Expression* operand, StackAllocatorBase& allocator);

    EvalCode start(const void*& value)
    {
        if (slot_) {
            value = *slot_;
            return value ? kEvalOk : kEvalNoValue;
        }
        if (once_) {
            value = once_->evaluateOnce();
            return value ? kEvalOk : kEvalNoValue;
        }
        if (kept_)
            return startConstant(value);
        EvalCode code = cursor_.start();
        value = cursor_.child->value;
        return code;
    }

    // For a cursor-read operand: checks that no second value follows.
    EvalCode finish() { return cursor_.child ? cursor_.finish() : kEvalOk; }
    void discard() noexcept
    {
        if (cursor_.child)
            cursor_.discard();
    }

    // Whether start() opens no stream that finish() or discard() must end
    // (a constant operand's first reading ends its stream at once).
    bool readsWithoutStream() const { return slot_ || once_ || kept_; }

private:
    // Evaluates a constant operand and keeps its outcome.
    EvalCode startConstant(const void*& value);

    // Where the value is found without any call: a literal's own address or
    // a constant's kept copy (kept in `fixed_`, null for a constant without
    // a value) or the current value of "it"'s target.
    const void* const* slot_ = nullptr;
    const void* fixed_ = nullptr;
    Expression* once_ = nullptr;
    void* kept_ = nullptr; // a constant's storage until its first reading
    ChildCursor cursor_;
};

} // namespace guard
