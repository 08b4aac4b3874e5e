#include "guard/tree/OperatorExpressions.h"

#include "guard/tree/BindingErrors.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

template <class Record>
bool callAdapter(const Record* record, void* result, const void* first, const void* second)
{
    try {
        return record->adapter(result, first, second, nullptr, record);
    } catch (const NoSuchObject&) {
        return false;
    }
}

void requireSingular(const Expression* operand)
{
    if (operand->plural)
        throw SingularExpressionRequired();
}

void requireBoolean(const Expression* operand)
{
    if (!isSameOrDerived(operand->type, InspectorRegistry::get().booleanType()))
        throw BooleanExpressionRequired();
}

} // namespace

bool CastingExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    // An implicit conversion is put above an expression already bound.
    bool operandSigned = operand->type ? true : operand->bind(itTarget, allocator);
    record = InspectorRegistry::get().findCast(operand->type, castName.view());
    type = record->resultType();
    plural = operand->plural;
    result_ = allocator.allocate(type->valueSize);
    cursor_ = ChildCursor(operand, operand->singular());
    // An implicit conversion that fails is code 3, which only a stream can
    // report: it is never constant, nor computed by evaluateOnce().
    if (kind == NodeKind::Cast && !plural) {
        constant = operand->constant && isPure(record->dependency);
        singular_.bind(operand, allocator);
        once = singular_.readsWithoutStream();
    }
    return record->dependency && operandSigned;
}

const void* CastingExpression::evaluateOnce()
{
    const void* operandValue = nullptr;
    if (singular_.start(operandValue))
        return nullptr;
    return callAdapter(record, result_, operandValue, operandValue) ? result_ : nullptr;
}

EvalCode CastingExpression::first() { return convertFrom(cursor_.start()); }

EvalCode CastingExpression::next() { return convertFrom(cursor_.advance()); }

void CastingExpression::close()
{
    value = nullptr;
    cursor_.discard();
}

EvalCode CastingExpression::convertFrom(EvalCode code)
{
    for (;;) {
        value = nullptr;
        if (code || !operand->value)
            return code;
        if (callAdapter(record, result_, operand->value, operand->value)) {
            value = result_;
            return kEvalOk;
        }
        if (EvalCode failed = unconverted()) {
            cursor_.discard();
            return failed;
        }
        code = cursor_.advance();
    }
}

bool UnaryOperatorExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool operandSigned = operand->bind(itTarget, allocator);
    requireSingular(operand);
    record = InspectorRegistry::get().findUnaryOperator(operand->type, operatorIndex);
    type = record->resultType();
    plural = false;
    result_ = allocator.allocate(type->valueSize);
    operand_.bind(operand, allocator);
    once = operand_.readsWithoutStream();
    constant = operand->constant && isPure(record->dependency);
    return record->dependency && operandSigned;
}

const void* UnaryOperatorExpression::evaluateOnce()
{
    const void* operandValue = nullptr;
    if (operand_.start(operandValue))
        return nullptr;
    return callAdapter(record, result_, operandValue, operandValue) ? result_ : nullptr;
}

EvalCode UnaryOperatorExpression::first()
{
    value = nullptr;
    const void* operandValue = nullptr;
    if (EvalCode code = operand_.start(operandValue))
        return code;
    if (callAdapter(record, result_, operandValue, operandValue))
        value = result_;
    else
        operand_.discard();
    return kEvalOk;
}

EvalCode UnaryOperatorExpression::next()
{
    if (!value)
        return kEvalOk;
    value = nullptr;
    return operand_.finish();
}

void UnaryOperatorExpression::close()
{
    value = nullptr;
    operand_.discard();
}

bool LogicalNotExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool operandSigned = operand->bind(itTarget, allocator);
    requireSingular(operand);
    requireBoolean(operand);
    type = InspectorRegistry::get().booleanType();
    plural = false;
    operand_.bind(operand, allocator);
    once = operand_.readsWithoutStream();
    constant = operand->constant;
    return operandSigned;
}

const void* LogicalNotExpression::evaluateOnce()
{
    const void* operandValue = nullptr;
    if (operand_.start(operandValue))
        return nullptr;
    result_ = !*static_cast<const bool*>(operandValue);
    return &result_;
}

EvalCode LogicalNotExpression::first()
{
    value = nullptr;
    const void* operandValue = nullptr;
    if (EvalCode code = operand_.start(operandValue))
        return code;
    result_ = !*static_cast<const bool*>(operandValue);
    value = &result_;
    return kEvalOk;
}

EvalCode LogicalNotExpression::next()
{
    if (!value)
        return kEvalOk;
    value = nullptr;
    return operand_.finish();
}

void LogicalNotExpression::close()
{
    value = nullptr;
    operand_.discard();
}

bool BinaryOperatorExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool leftSigned = left->bind(itTarget, allocator);
    bool rightSigned = right->bind(itTarget, allocator);
    requireSingular(left);
    requireSingular(right);
    record = InspectorRegistry::get().findBinaryOperator(left->type, operatorIndex, right->type);
    type = record->resultType();
    plural = false;
    result_ = allocator.allocate(type->valueSize);
    left_.bind(left, allocator);
    right_.bind(right, allocator);
    once = left_.readsWithoutStream() && right_.readsWithoutStream();
    constant = left->constant && right->constant && isPure(record->dependency);
    return record->dependency && leftSigned && rightSigned;
}

const void* BinaryOperatorExpression::evaluateOnce()
{
    const void* leftValue = nullptr;
    const void* rightValue = nullptr;
    if (left_.start(leftValue) || right_.start(rightValue))
        return nullptr;
    return callAdapter(record, result_, leftValue, rightValue) ? result_ : nullptr;
}

EvalCode BinaryOperatorExpression::first()
{
    value = nullptr;
    const void* leftValue = nullptr;
    const void* rightValue = nullptr;
    if (EvalCode code = left_.start(leftValue))
        return code;
    if (EvalCode code = right_.start(rightValue)) {
        left_.discard();
        return code;
    }
    if (callAdapter(record, result_, leftValue, rightValue)) {
        value = result_;
    } else {
        left_.discard();
        right_.discard();
    }
    return kEvalOk;
}

EvalCode BinaryOperatorExpression::next()
{
    close();
    return kEvalOk;
}

void BinaryOperatorExpression::close()
{
    value = nullptr;
    left_.discard();
    right_.discard();
}

} // namespace guard
