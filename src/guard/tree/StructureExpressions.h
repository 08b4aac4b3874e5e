#pragma once
// Nodes that combine streams: a computed property ("expression of object"),
// tuples (","), items of a tuple, collections (";"), whose filters, and the
// counting nodes "number of" and "exists".
#include <cstdint>

#include "guard/tree/Expression.h"
#include "guard/tree/NestedStreams.h"
#include "guard/tree/PropertyExpression.h"

namespace guard {

// `left` evaluated once per value of `object`, with "it" standing for that
// value: the object outer, the left expression inner. `keyOfPhrase` is set
// when the node is the key operand of a phrase with a key and an object.
class ComputedPropertyExpression final : public Expression {
public:
    ComputedPropertyExpression(Expression* left, Expression* object, bool keyOfPhrase)
        : Expression(NodeKind::ComputedProperty), left(left), object(object), keyOfPhrase(keyOfPhrase)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* left;
    Expression* object;
    bool keyOfPhrase;

private:
    EvalCode positioned(EvalCode code);
    NestedStreams loops_;
};

// A tuple: `first` and the `rest` (a tuple again, or a world node at the end).
class TupleExpression final : public Expression {
public:
    TupleExpression(Expression* firstElement, Expression* rest)
        : Expression(NodeKind::Tuple), firstElement(firstElement), rest(rest)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* firstElement;
    Expression* rest;

private:
    EvalCode positioned(EvalCode code);
    NestedStreams loops_;
    const void* pair_[2] = {nullptr, nullptr};
};

// "item N of tuple" / "items N of tuple": the element at a literal index.
class ItemOfExpression final : public Expression {
public:
    ItemOfExpression(bool pluralPhrase, Expression* index, Expression* tuple)
        : Expression(NodeKind::ItemOf), pluralPhrase(pluralPhrase), index(index), tuple(tuple)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    bool pluralPhrase;
    Expression* index;
    Expression* tuple;

private:
    EvalCode select(EvalCode code);
    ChildCursor cursor_;
    std::uint32_t position_ = 0;
};

class CollectionExpression final : public Expression {
public:
    CollectionExpression(Expression* left, Expression* right)
        : Expression(NodeKind::Collection), left(left), right(right)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* left;
    Expression* right;

private:
    EvalCode fromLeft(EvalCode code);
    ChildCursor leftCursor_;
    ChildCursor rightCursor_;
    bool onRight_ = false;
};

class WhoseExpression final : public Expression {
public:
    WhoseExpression(Expression* object, Expression* condition)
        : Expression(NodeKind::Whose), object(object), condition(condition)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    // Moves on as next() does while `visit()` answers true for each value
    // let through, like PropertyExpression::advanceWhile. When the object is
    // a property and the condition has one value, the object's values are
    // made, tried and visited in one loop.
    template <class Visit>
    EvalCode advanceWhile(Visit&& visit)
    {
        if (object->kind == NodeKind::Property && condition->once) {
            unsigned rejected = 0;
            EvalCode code = static_cast<PropertyExpression*>(object)->advanceWhile([&] {
                if (acceptsOnce()) {
                    value = object->value;
                    return visit();
                }
                countRejection(rejected);
                return true;
            });
            if (code || !object->value)
                value = nullptr;
            return code;
        }
        for (;;) {
            EvalCode code = next();
            if (code || !value || !visit())
                return code;
        }
    }

    Expression* object;
    Expression* condition;

private:
    EvalCode filter(EvalCode code);
    bool accepts();
    bool acceptsOnce();
    // Every so many rejected values, a chance to interrupt.
    void countRejection(unsigned& rejected);
    ChildCursor objectCursor_;
    bool interruptible_ = false;
};

class NumberOfExpression final : public Expression {
public:
    explicit NumberOfExpression(Expression* operand) : Expression(NodeKind::NumberOf), operand(operand) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* operand;

private:
    std::int64_t count_ = 0;
};

class ExistsExpression final : public Expression {
public:
    explicit ExistsExpression(Expression* operand) : Expression(NodeKind::Exists), operand(operand) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* operand;

private:
    bool result_ = false;
};

} // namespace guard
