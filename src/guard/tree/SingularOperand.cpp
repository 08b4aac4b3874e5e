#include "guard/tree/SingularOperand.h"

#include <cstring>

#include "guard/tree/ConstantExpressions.h"

namespace guard {

void SingularOperand::bind(Expression* operand, StackAllocatorBase& allocator)
{
    slot_ = nullptr;
    fixed_ = nullptr;
    once_ = nullptr;
    kept_ = nullptr;
    cursor_ = ChildCursor();
    switch (operand->kind) {
    case NodeKind::Integer:
        fixed_ = &static_cast<IntegerExpression*>(operand)->literal;
        slot_ = &fixed_;
        break;
    case NodeKind::String:
        fixed_ = &static_cast<StringExpression*>(operand)->literal;
        slot_ = &fixed_;
        break;
    case NodeKind::It: slot_ = &static_cast<ItExpression*>(operand)->target->value; break;
    default:
        if (operand->constant && operand->type->selfContained) {
            cursor_ = ChildCursor(operand, true);
            kept_ = allocator.allocate(operand->type->valueSize);
        } else if (operand->once) {
            once_ = operand;
        } else {
            cursor_ = ChildCursor(operand, true);
        }
        break;
    }
}

EvalCode SingularOperand::startConstant(const void*& value)
{
    EvalCode code = cursor_.start();
    if (code == kEvalOk) {
        std::memcpy(kept_, cursor_.child->value, cursor_.child->type->valueSize);
        code = cursor_.finish();
    }
    if (code != kEvalOk && code != kEvalNoValue) {
        // Not an outcome a slot can give: read the operand afresh next time.
        value = nullptr;
        return code;
    }
    // From now on the operand is read from the slot, and there is no stream
    // for finish() or discard() to end.
    fixed_ = code == kEvalOk ? kept_ : nullptr;
    slot_ = &fixed_;
    kept_ = nullptr;
    cursor_ = ChildCursor();
    value = fixed_;
    return code;
}

} // namespace guard
