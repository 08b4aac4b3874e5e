#pragma once
// Nodes with exactly one value and no children: the world, string and
// integer literals, an integer literal too large to be an integer (no value
// at all), and "it" (the current value of the enclosing clause's object).
#include <cstdint>

#include "guard/tree/Expression.h"
#include "registry/CoreValues.h"

namespace guard {

class WorldExpression final : public Expression {
public:
    WorldExpression() : Expression(NodeKind::World) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    Expression* itTarget() override { return enclosingTarget; }
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* enclosingTarget = nullptr;
};

class StringExpression final : public Expression {
public:
    explicit StringExpression(String literal) : Expression(NodeKind::String), literal(literal) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override { return &literal; }

    String literal;
};

class IntegerExpression final : public Expression {
public:
    explicit IntegerExpression(std::int64_t literal) : Expression(NodeKind::Integer), literal(literal) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override { return &literal; }

    std::int64_t literal;
};

// An integer literal of 2^63 or more: of type "integer", without any value.
class NoIntegerExpression final : public Expression {
public:
    NoIntegerExpression() : Expression(NodeKind::NoInteger) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override { return nullptr; }
};

class ItExpression final : public Expression {
public:
    ItExpression() : Expression(NodeKind::It) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override { return target->value; }

    Expression* target = nullptr; // set by bind
};

} // namespace guard
