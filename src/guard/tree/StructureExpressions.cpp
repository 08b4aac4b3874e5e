#include "guard/tree/StructureExpressions.h"

#include <limits>

#include "guard/tree/BindingErrors.h"
#include "guard/tree/ConstantExpressions.h"
#include "guard/tree/StreamLoop.h"
#include "registry/InspectorInterrupter.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

constexpr unsigned kInterruptionInterval = 256;

const TypeRecord* commonTypeOf(const Expression* a, const Expression* b)
{
    const TypeRecord* type = commonType(a->type, b->type);
    if (!type)
        throw IncompatibleTypes(a->type->name, b->type->name);
    return type;
}

} // namespace

// --- computed property: the object outer, the left expression inner ---

bool ComputedPropertyExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool objectSigned = object->bind(itTarget, allocator);
    bool leftSigned = left->bind(object->itTarget(), allocator);
    type = left->type;
    plural = left->plural || object->plural;
    loops_.bind(object, left);
    return objectSigned && leftSigned;
}

EvalCode ComputedPropertyExpression::first() { return positioned(loops_.start()); }

EvalCode ComputedPropertyExpression::next() { return positioned(loops_.advance()); }

void ComputedPropertyExpression::close()
{
    value = nullptr;
    loops_.close();
}

EvalCode ComputedPropertyExpression::positioned(EvalCode code)
{
    value = code == kEvalOk && loops_.positioned() ? left->value : nullptr;
    return code;
}

// --- tuple: the first element outer, the rest inner ---

bool TupleExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool firstSigned = firstElement->bind(itTarget, allocator);
    bool restSigned = rest->bind(itTarget, allocator);
    type = InspectorRegistry::get().tupleType(firstElement->type, rest->type);
    plural = firstElement->plural || rest->plural;
    loops_.bind(firstElement, rest);
    return firstSigned && restSigned;
}

EvalCode TupleExpression::first() { return positioned(loops_.start()); }

EvalCode TupleExpression::next() { return positioned(loops_.advance()); }

void TupleExpression::close()
{
    value = nullptr;
    loops_.close();
}

EvalCode TupleExpression::positioned(EvalCode code)
{
    value = nullptr;
    if (code == kEvalOk && loops_.positioned()) {
        pair_[0] = firstElement->value;
        pair_[1] = rest->value;
        value = pair_;
    }
    return code;
}

// --- item N of a tuple ---

bool ItemOfExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool indexSigned = index->bind(itTarget, allocator);
    bool tupleSigned = tuple->bind(itTarget, allocator);
    if (index->kind != NodeKind::Integer)
        throw TupleIndexNotAnIntegerLiteral();
    std::int64_t literal = static_cast<IntegerExpression*>(index)->literal;
    if (literal < 0 || literal > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
        throw TupleIndexOutOfRange(std::uint64_t(literal));
    position_ = std::uint32_t(literal);
    const TypeRecord* element = tuple->type;
    for (std::uint32_t i = 0; i < position_ && element->tupleFirst; ++i)
        element = element->tupleRest;
    if (!element->tupleFirst)
        throw TupleIndexOutOfRange(position_);
    type = element->tupleFirst;
    plural = pluralPhrase;
    cursor_ = ChildCursor(tuple, tuple->singular());
    return indexSigned && tupleSigned;
}

EvalCode ItemOfExpression::first() { return select(cursor_.start()); }

EvalCode ItemOfExpression::next() { return select(cursor_.advance()); }

void ItemOfExpression::close()
{
    value = nullptr;
    cursor_.discard();
}

EvalCode ItemOfExpression::select(EvalCode code)
{
    value = nullptr;
    if (code || !tuple->value)
        return code;
    auto pair = static_cast<const void* const*>(tuple->value);
    for (std::uint32_t i = 0; i < position_; ++i)
        pair = static_cast<const void* const*>(pair[1]);
    value = pair[0];
    return kEvalOk;
}

// --- collection: all values of the left, then all of the right ---

bool CollectionExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool leftSigned = left->bind(itTarget, allocator);
    bool rightSigned = right->bind(itTarget, allocator);
    type = commonTypeOf(left, right);
    plural = true;
    leftCursor_ = ChildCursor(left, left->singular());
    rightCursor_ = ChildCursor(right, right->singular());
    return leftSigned && rightSigned;
}

EvalCode CollectionExpression::first()
{
    onRight_ = false;
    return fromLeft(leftCursor_.start());
}

EvalCode CollectionExpression::next()
{
    if (!onRight_)
        return fromLeft(leftCursor_.advance());
    EvalCode code = rightCursor_.advance();
    value = right->value;
    return code;
}

void CollectionExpression::close()
{
    value = nullptr;
    leftCursor_.discard();
    rightCursor_.discard();
}

EvalCode CollectionExpression::fromLeft(EvalCode code)
{
    value = left->value;
    if (code || value)
        return code;
    onRight_ = true;
    code = rightCursor_.start();
    value = right->value;
    return code;
}

// --- whose: the object's values that the condition accepts ---

bool WhoseExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool objectSigned = object->bind(itTarget, allocator);
    bool conditionSigned = condition->bind(object->itTarget(), allocator);
    if (!isSameOrDerived(condition->type, InspectorRegistry::get().booleanType()))
        throw BooleanExpressionRequired();
    type = object->type;
    plural = object->plural;
    object->plural = true;
    objectCursor_ = ChildCursor(object, false);
    return objectSigned && conditionSigned;
}

EvalCode WhoseExpression::first()
{
    interruptible_ = InspectorThread::interruptible();
    return filter(objectCursor_.start());
}

EvalCode WhoseExpression::next() { return filter(objectCursor_.advance()); }

void WhoseExpression::close()
{
    value = nullptr;
    objectCursor_.discard();
}

EvalCode WhoseExpression::filter(EvalCode code)
{
    unsigned rejected = 0;
    if (object->kind == NodeKind::Property && condition->once) {
        // The object's values are made and tried in one loop.
        value = nullptr;
        if (code || !object->value)
            return code;
        auto rejects = [&] {
            if (acceptsOnce())
                return false;
            countRejection(rejected);
            return true;
        };
        if (rejects())
            code = static_cast<PropertyExpression*>(object)->advanceWhile(rejects);
        if (code == kEvalOk)
            value = object->value;
        return code;
    }
    for (;;) {
        value = nullptr;
        if (code || !object->value)
            return code;
        if (condition->once ? acceptsOnce() : accepts()) {
            value = object->value;
            return kEvalOk;
        }
        countRejection(rejected);
        code = objectCursor_.advance();
    }
}

void WhoseExpression::countRejection(unsigned& rejected)
{
    if (++rejected == kInterruptionInterval) {
        rejected = 0;
        if (interruptible_)
            InspectorThread::interruptionPoint();
    }
}

// A condition of one value accepts when that value is true.
bool WhoseExpression::acceptsOnce()
{
    try {
        const void* accepted = condition->evaluateOnce();
        return accepted && *static_cast<const bool*>(accepted);
    } catch (const InspectorInterruption&) {
        throw;
    } catch (...) {
        return false;
    }
}

// The condition accepts when none of its values is false; a failing
// condition rejects the value without a word, unless it was interrupted.
bool WhoseExpression::accepts()
{
    try {
        // A singular condition without a value, or with a second one,
        // reports a code, which rejects.
        ChildCursor cursor(condition, !condition->plural);
        EvalCode code = cursor.start();
        unsigned read = 0;
        for (;;) {
            if (code)
                break;
            if (!condition->value)
                return true;
            if (!*static_cast<const bool*>(condition->value))
                break;
            if (++read == kInterruptionInterval) {
                read = 0;
                if (interruptible_)
                    InspectorThread::interruptionPoint();
            }
            code = cursor.advance();
        }
    } catch (const InspectorInterruption&) {
        throw;
    } catch (...) {
    }
    ChildCursor(condition, false).discard();
    return false;
}

// --- number of, exists ---

bool NumberOfExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool operandSigned = operand->bind(itTarget, allocator);
    operand->plural = true;
    type = InspectorRegistry::get().integerType();
    plural = false;
    return operandSigned;
}

EvalCode NumberOfExpression::first()
{
    value = nullptr;
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    bool overflowed = false;
    count_ = 0;
    auto count = [&] {
        if (count_ == kLargest)
            overflowed = true;
        else
            ++count_;
        return true;
    };
    EvalCode code = operand->first();
    if (code == kEvalOk && operand->value) {
        count();
        code = advanceStreamWhile(operand, count);
    }
    if (code)
        return code;
    if (!overflowed)
        value = &count_;
    return kEvalOk;
}

EvalCode NumberOfExpression::next()
{
    value = nullptr;
    return kEvalOk;
}

void NumberOfExpression::close() { value = nullptr; }

bool ExistsExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    bool operandSigned = operand->bind(itTarget, allocator);
    operand->plural = true;
    type = InspectorRegistry::get().booleanType();
    plural = false;
    return operandSigned;
}

EvalCode ExistsExpression::first()
{
    value = nullptr;
    if (EvalCode code = operand->first())
        return code;
    result_ = operand->value != nullptr;
    if (result_)
        operand->close();
    value = &result_;
    return kEvalOk;
}

EvalCode ExistsExpression::next()
{
    value = nullptr;
    return kEvalOk;
}

void ExistsExpression::close() { value = nullptr; }

} // namespace guard
