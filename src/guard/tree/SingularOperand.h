#pragma once
// How a node reads a singular operand, without evaluating what needs no
// evaluation: a literal's value is fixed when it is bound, "it" is the
// current value of its target, and an operand bound as `once` is computed
// by evaluateOnce(). Any other operand is read through a checked
// ChildCursor. The outcome is the same as reading every operand through a
// cursor (no value is code 1); only the calls are saved.
#include "guard/tree/Expression.h"

namespace guard {

class SingularOperand {
public:
    // Called after `operand` is bound.
    void bind(Expression* operand);

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

private:
    // Where the value is found without any call: a literal's own address
    // (kept in `fixed_`) or the current value of "it"'s target.
    const void* const* slot_ = nullptr;
    const void* fixed_ = nullptr;
    Expression* once_ = nullptr;
    ChildCursor cursor_;
};

} // namespace guard
