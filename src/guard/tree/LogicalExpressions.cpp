#include "guard/tree/LogicalExpressions.h"

#include "guard/tree/BindingErrors.h"
#include "registry/InspectorInterrupter.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

// An operand of "and", "or" or an "if" condition: boolean, then singular.
bool bindCondition(Expression* operand, Expression* itTarget, StackAllocatorBase& allocator)
{
    bool operandSigned = operand->bind(itTarget, allocator);
    if (!isSameOrDerived(operand->type, InspectorRegistry::get().booleanType()))
        throw BooleanExpressionRequired();
    if (operand->plural)
        throw SingularExpressionRequired();
    return operandSigned;
}

// Reads the one boolean of a singular operand and finishes it.
EvalCode readCondition(SingularOperand& operand, bool& result)
{
    const void* value = nullptr;
    if (EvalCode code = operand.start(value))
        return code;
    result = *static_cast<const bool*>(value);
    return operand.finish();
}

const TypeRecord* commonTypeOf(const Expression* a, const Expression* b)
{
    const TypeRecord* type = commonType(a->type, b->type);
    if (!type)
        throw IncompatibleTypes(a->type->name, b->type->name);
    return type;
}

} // namespace

bool ShortCircuitExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool leftSigned = bindCondition(left, itTarget, allocator);
    bool rightSigned = bindCondition(right, itTarget, allocator);
    type = InspectorRegistry::get().booleanType();
    plural = false;
    left_.bind(left, allocator);
    right_.bind(right, allocator);
    once = left_.readsWithoutStream() && right_.readsWithoutStream();
    constant = left->constant && right->constant;
    return leftSigned && rightSigned;
}

EvalCode ShortCircuitExpression::first()
{
    value = nullptr;
    bool leftValue = false;
    if (EvalCode code = readCondition(left_, leftValue))
        return code;
    if (leftValue == shortCircuitValue_) {
        result_ = leftValue;
    } else if (EvalCode code = readCondition(right_, result_)) {
        return code;
    }
    value = &result_;
    return kEvalOk;
}

const void* ShortCircuitExpression::evaluateOnce() { return first() == kEvalOk ? value : nullptr; }

EvalCode ShortCircuitExpression::next()
{
    value = nullptr;
    return kEvalOk;
}

void ShortCircuitExpression::close() { value = nullptr; }

bool IfExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool conditionSigned = bindCondition(condition, itTarget, allocator);
    bool thenSigned = thenBranch->bind(itTarget, allocator);
    bool elseSigned = elseBranch->bind(itTarget, allocator);
    type = commonTypeOf(thenBranch, elseBranch);
    plural = thenBranch->plural || elseBranch->plural;
    condition_.bind(condition, allocator);
    return conditionSigned && thenSigned && elseSigned;
}

EvalCode IfExpression::first()
{
    value = nullptr;
    bool conditionValue = false;
    if (EvalCode code = readCondition(condition_, conditionValue))
        return code;
    Expression* branch = conditionValue ? thenBranch : elseBranch;
    chosen_ = ChildCursor(branch, !branch->plural);
    EvalCode code = chosen_.start();
    value = chosen_.child->value;
    return code;
}

EvalCode IfExpression::next()
{
    if (!value)
        return kEvalOk;
    EvalCode code = chosen_.advance();
    value = chosen_.child->value;
    return code;
}

void IfExpression::close()
{
    value = nullptr;
    chosen_.discard();
}

bool BarExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool leftSigned = left->bind(itTarget, allocator);
    if (left->plural)
        throw SingularExpressionRequired();
    bool rightSigned = right->bind(itTarget, allocator);
    if (right->plural)
        throw SingularExpressionRequired();
    type = commonTypeOf(left, right);
    plural = false;
    allocator_ = &allocator;
    return leftSigned && rightSigned;
}

EvalCode BarExpression::first()
{
    value = nullptr;
    StackAllocatorBase::Mark mark = allocator_->mark();
    chosen_ = ChildCursor(left, true);
    try {
        if (chosen_.start() == kEvalOk) {
            value = left->value;
            return kEvalOk;
        }
    } catch (const InspectorInterruption&) {
        throw;
    } catch (...) {
    }
    // Whatever went wrong on the left is forgotten; the right stands in.
    chosen_.discard();
    allocator_->release(mark);
    chosen_ = ChildCursor(right, true);
    EvalCode code = chosen_.start();
    value = right->value;
    return code;
}

EvalCode BarExpression::next()
{
    // The left value is taken without the uniqueness check; the right one is
    // finished like any singular child, so a second value is code 2 and a
    // failure while looking for it propagates.
    if (value && chosen_.child == right) {
        EvalCode code = chosen_.advance();
        value = right->value;
        return code;
    }
    close();
    return kEvalOk;
}

void BarExpression::close()
{
    value = nullptr;
    chosen_.discard();
}

} // namespace guard
