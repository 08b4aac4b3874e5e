#include "guard/tree/SingularOperand.h"

#include "guard/tree/ConstantExpressions.h"

namespace guard {

void SingularOperand::bind(Expression* operand)
{
    slot_ = nullptr;
    fixed_ = nullptr;
    once_ = nullptr;
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
        if (operand->once)
            once_ = operand;
        else
            cursor_ = ChildCursor(operand, true);
        break;
    }
}

} // namespace guard
