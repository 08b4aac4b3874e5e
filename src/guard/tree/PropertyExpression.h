#pragma once
// A phrase applied to an optional key and an optional direct object: a
// property, plural property or aggregate looked up in the registry by the
// phrase and the operand types.
//
// The node reads one operand cursor: the key operand when there is one,
// else the direct object. When the phrase has both, the key operand is a
// ComputedPropertyExpression over the same object node, so iterating the key
// also positions the object. The record's adapters run in stream order:
// start and start-next once, then per operand value the per-operand adapter
// (and per-operand next for iterated records), then end and end-next.
#include "guard/tree/Expression.h"
#include "registry/CoreValues.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorInterrupter.h"
#include "registry/InspectorRecords.h"

namespace guard {

class PropertyExpression final : public Expression {
public:
    PropertyExpression(String phrase, Expression* key, Expression* object)
        : Expression(NodeKind::Property), phrase(phrase), key(key), object(object)
    {
    }
    ~PropertyExpression() override;
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    // Moves on as next() does, over and over, while `visit()` (called with
    // each new value in place) answers true; stops at the first value it
    // answers false for, at the end of the stream, or at a failing code.
    // The values a plural property makes for one operand value are made in
    // a loop of its own here, without a call of next() for each.
    template <class Visit>
    EvalCode advanceWhile(Visit&& visit)
    {
        for (;;) {
            while (value && phase_ == Phase::OperandNext) {
                if (!stepOperand())
                    break;
                if (!visit())
                    return kEvalOk;
            }
            EvalCode code = next();
            if (code || !value || !visit())
                return code;
        }
    }

    String phrase;      // as written, lower-cased
    Expression* key;    // may be null
    Expression* object; // may be null (a keyed property of the world)
    const PropertyRecord* record = nullptr;

private:
    // Where the stream stands; the World* phases serve a node without any
    // operand, which runs its per-operand adapters once on the world value.
    enum class Phase : std::uint8_t {
        Start,
        StartNext,
        FirstOperand,
        Operand,
        OperandNext,
        AdvanceOperand,
        WorldOperand,
        WorldOperandNext,
        End,
        EndNext,
        Done,
    };
    EvalCode run();
    EvalCode aggregateOperands();

    // The next value a plural property makes from the same operand value;
    // false (and on to the next operand value) when it makes none.
    bool stepOperand()
    {
        allocator_->release(mark_);
        bool produced;
        try {
            produced = record->perOperandNext(result_, *keySlot_, *objectSlot_, state_, record);
        } catch (const NoSuchObject&) {
            produced = false;
        }
        if (!produced) {
            phase_ = Phase::AdvanceOperand;
            return false;
        }
        if (interruptible_)
            InspectorThread::interruptionPoint();
        return true;
    }
    EvalCode produced(bool fromNext);

    Expression* operand_ = nullptr; // the one operand the node iterates (key, else object)
    // Where the current key and direct-object values are found.
    const void* const* keySlot_ = nullptr;
    const void* const* objectSlot_ = nullptr;
    ChildCursor cursor_;
    void* result_ = nullptr;
    void* state_ = nullptr;
    StackAllocatorBase* allocator_ = nullptr;
    StackAllocatorBase::Mark mark_{};
    Phase phase_ = Phase::Done;
    bool interruptible_ = false;
};

} // namespace guard
