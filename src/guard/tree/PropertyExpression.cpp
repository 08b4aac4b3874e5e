#include "guard/tree/PropertyExpression.h"

#include "guard/tree/StreamLoop.h"

#include "registry/InspectorErrors.h"
#include "registry/InspectorInterrupter.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

// A value slot that always holds the world value, for a node without operands.
const void* const kWorldSlot = &kWorldValue;

// Calls an adapter; an inspector's NoSuchObject means no value.
bool call(InspectorAdapter adapter, void* result, const void* key, const void* object, void* state,
          const PropertyRecord* record)
{
    try {
        return adapter(result, key, object, state, record);
    } catch (const NoSuchObject&) {
        return false;
    }
}

} // namespace

PropertyExpression::~PropertyExpression()
{
    if (state_ && record && record->destroyState)
        record->destroyState(state_);
}

bool PropertyExpression::bind(Expression* itTarget, StackAllocatorBase& allocator)
{
    InspectorRegistry& registry = InspectorRegistry::get();
    operand_ = key ? key : object;
    bool operandSigned = operand_ ? operand_->bind(itTarget, allocator) : true;
    const TypeRecord* keyType = key ? key->type : registry.worldType();
    const TypeRecord* objectType = object ? object->type : registry.worldType();
    PropertyLookup found = registry.findProperty(objectType, phrase.view(), keyType);
    record = found.record;
    type = record->resultType();
    plural = found.plural;
    allocator_ = &allocator;
    result_ = allocator.allocate(type->valueSize);
    state_ = allocator.allocate(record->stateSize);
    if (record->constructState)
        record->constructState(state_);
    if (operand_)
        cursor_ = ChildCursor(operand_, operand_->singular());
    keySlot_ = key ? &key->value : operand_ ? &operand_->value : &kWorldSlot;
    objectSlot_ = object ? &object->value : operand_ ? &operand_->value : &kWorldSlot;
    // A plain singular property of the world, or of a constant operand.
    constant = record->kind == PropertyKind::Plain && !plural && isPure(record->dependency) &&
               (!operand_ || operand_->constant);
    return record->dependency && operandSigned;
}

EvalCode PropertyExpression::first()
{
    value = nullptr;
    interruptible_ = InspectorThread::interruptible();
    mark_ = allocator_->mark();
    phase_ = record->start ? Phase::Start : Phase::FirstOperand;
    return run();
}

EvalCode PropertyExpression::next()
{
    if (!value)
        return kEvalOk;
    // The common case of a plural property on its way through one operand
    // value, kept out of the general state machine.
    if (phase_ == Phase::OperandNext && stepOperand())
        return kEvalOk;
    value = nullptr;
    return run();
}

void PropertyExpression::close()
{
    value = nullptr;
    phase_ = Phase::Done;
    cursor_.discard();
}

// An aggregate takes every operand value without yielding any.
EvalCode PropertyExpression::aggregateOperands()
{
    // What the loop needs, held in locals rather than read through `this`
    // after every call.
    auto add = [adapter = record->perOperand, result = result_, keySlot = keySlot_, objectSlot = objectSlot_,
                state = state_, record = record] {
        call(adapter, result, *keySlot, *objectSlot, state, record);
        return true;
    };
    if (!cursor_.checked) {
        if (!operand_->value)
            return kEvalOk;
        add();
        return advanceStreamWhile(operand_, add);
    }
    while (operand_->value) {
        add();
        if (EvalCode code = cursor_.advance())
            return code;
    }
    return kEvalOk;
}

EvalCode PropertyExpression::produced(bool fromNext)
{
    value = result_;
    if (fromNext && interruptible_)
        InspectorThread::interruptionPoint();
    return kEvalOk;
}

EvalCode PropertyExpression::run()
{
    for (;;) {
        switch (phase_) {
        case Phase::Start:
            phase_ = Phase::StartNext;
            if (call(record->start, result_, nullptr, nullptr, state_, record))
                return produced(false);
            break;
        case Phase::StartNext:
            if (record->startNext) {
                allocator_->release(mark_);
                if (call(record->startNext, result_, nullptr, nullptr, state_, record))
                    return produced(true);
            }
            phase_ = Phase::FirstOperand;
            break;
        case Phase::FirstOperand:
            if (operand_) {
                if (EvalCode code = cursor_.start()) {
                    phase_ = Phase::Done;
                    return code;
                }
                phase_ = Phase::Operand;
            } else {
                phase_ = Phase::WorldOperand;
            }
            break;
        case Phase::WorldOperand:
        case Phase::Operand:
            if (phase_ == Phase::Operand && record->kind == PropertyKind::Aggregate) {
                if (EvalCode code = aggregateOperands()) {
                    phase_ = Phase::Done;
                    return code;
                }
                phase_ = Phase::End;
                break;
            }
            if (phase_ == Phase::Operand && !operand_->value) {
                phase_ = Phase::End;
                break;
            }
            mark_ = allocator_->mark();
            phase_ = phase_ == Phase::WorldOperand ? Phase::End : Phase::AdvanceOperand;
            if (call(record->perOperand, result_, *keySlot_, *objectSlot_, state_, record)) {
                if (record->iterated)
                    phase_ = phase_ == Phase::End ? Phase::WorldOperandNext : Phase::OperandNext;
                return produced(false);
            }
            break;
        case Phase::WorldOperandNext:
        case Phase::OperandNext:
            allocator_->release(mark_);
            if (call(record->perOperandNext, result_, *keySlot_, *objectSlot_, state_, record))
                return produced(true);
            phase_ = phase_ == Phase::WorldOperandNext ? Phase::End : Phase::AdvanceOperand;
            break;
        case Phase::AdvanceOperand:
            if (EvalCode code = cursor_.advance()) {
                phase_ = Phase::Done;
                return code;
            }
            phase_ = Phase::Operand;
            break;
        case Phase::End:
            phase_ = Phase::EndNext;
            if (record->end) {
                mark_ = allocator_->mark();
                if (call(record->end, result_, nullptr, nullptr, state_, record))
                    return produced(false);
            }
            break;
        case Phase::EndNext:
            phase_ = Phase::Done;
            if (record->end && record->endNext) {
                allocator_->release(mark_);
                if (call(record->endNext, result_, nullptr, nullptr, state_, record)) {
                    phase_ = Phase::EndNext;
                    return produced(true);
                }
            }
            break;
        case Phase::Done: value = nullptr; return kEvalOk;
        }
    }
}

} // namespace guard
