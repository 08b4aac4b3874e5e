#include "guard/OperatorExpressions.h"

#include "guard/BindingErrors.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"

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
    type = record->resultType;
    plural = operand->plural;
    result_ = allocator.allocate(type->valueSize);
    cursor_ = ChildCursor(operand, operand->singular());
    return record->dependency && operandSigned;
}

EvalCode CastingExpression::first()
{
    return convertFrom(cursor_.start());
}

EvalCode CastingExpression::next()
{
    return convertFrom(cursor_.advance());
}

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
    type = record->resultType;
    plural = false;
    result_ = allocator.allocate(type->valueSize);
    cursor_ = ChildCursor(operand, true);
    return record->dependency && operandSigned;
}

EvalCode UnaryOperatorExpression::first()
{
    value = nullptr;
    if (EvalCode code = cursor_.start())
        return code;
    if (!operand->value)
        return kEvalOk;
    if (callAdapter(record, result_, operand->value, operand->value))
        value = result_;
    else
        cursor_.discard();
    return kEvalOk;
}

EvalCode UnaryOperatorExpression::next()
{
    if (!value)
        return kEvalOk;
    value = nullptr;
    return cursor_.finish();
}

void UnaryOperatorExpression::close()
{
    value = nullptr;
    cursor_.discard();
}

bool LogicalNotExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool operandSigned = operand->bind(itTarget, allocator);
    requireSingular(operand);
    requireBoolean(operand);
    type = InspectorRegistry::get().booleanType();
    plural = false;
    cursor_ = ChildCursor(operand, true);
    return operandSigned;
}

EvalCode LogicalNotExpression::first()
{
    value = nullptr;
    if (EvalCode code = cursor_.start())
        return code;
    result_ = !*static_cast<const bool*>(operand->value);
    value = &result_;
    return kEvalOk;
}

EvalCode LogicalNotExpression::next()
{
    if (!value)
        return kEvalOk;
    value = nullptr;
    return cursor_.finish();
}

void LogicalNotExpression::close()
{
    value = nullptr;
    cursor_.discard();
}

bool BinaryOperatorExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool leftSigned = left->bind(itTarget, allocator);
    bool rightSigned = right->bind(itTarget, allocator);
    requireSingular(left);
    requireSingular(right);
    record = InspectorRegistry::get().findBinaryOperator(left->type, operatorIndex, right->type);
    type = record->resultType;
    plural = false;
    result_ = allocator.allocate(type->valueSize);
    leftCursor_ = ChildCursor(left, true);
    rightCursor_ = ChildCursor(right, true);
    return record->dependency && leftSigned && rightSigned;
}

EvalCode BinaryOperatorExpression::first()
{
    value = nullptr;
    if (EvalCode code = leftCursor_.start())
        return code;
    if (EvalCode code = rightCursor_.start()) {
        leftCursor_.discard();
        return code;
    }
    if (callAdapter(record, result_, left->value, right->value)) {
        value = result_;
    } else {
        leftCursor_.discard();
        rightCursor_.discard();
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
    leftCursor_.discard();
    rightCursor_.discard();
}
