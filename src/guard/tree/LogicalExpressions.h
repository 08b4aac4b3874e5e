#pragma once
// Nodes that choose what to evaluate: "and" and "or" (short-circuit), "if
// then else", and "|" (the right operand stands in when the left one fails).
#include "guard/tree/Expression.h"
#include "guard/tree/SingularOperand.h"

namespace guard {

// "and" (short-circuit value false) and "or" (short-circuit value true).
class ShortCircuitExpression : public Expression {
public:
    ShortCircuitExpression(NodeKind kind, Expression* left, Expression* right, bool shortCircuitValue)
        : Expression(kind), left(left), right(right), shortCircuitValue_(shortCircuitValue)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override;

    Expression* left;
    Expression* right;

private:
    bool shortCircuitValue_;
    bool result_ = false;
    SingularOperand left_;
    SingularOperand right_;
};

class AndExpression final : public ShortCircuitExpression {
public:
    AndExpression(Expression* left, Expression* right) : ShortCircuitExpression(NodeKind::And, left, right, false) { }
};

class OrExpression final : public ShortCircuitExpression {
public:
    OrExpression(Expression* left, Expression* right) : ShortCircuitExpression(NodeKind::Or, left, right, true) { }
};

class IfExpression final : public Expression {
public:
    IfExpression(Expression* condition, Expression* thenBranch, Expression* elseBranch)
        : Expression(NodeKind::If), condition(condition), thenBranch(thenBranch), elseBranch(elseBranch)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* condition;
    Expression* thenBranch;
    Expression* elseBranch;

private:
    SingularOperand condition_;
    ChildCursor chosen_;
};

class BarExpression final : public Expression {
public:
    BarExpression(Expression* left, Expression* right) : Expression(NodeKind::Bar), left(left), right(right) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;

    Expression* left;
    Expression* right;

private:
    ChildCursor chosen_;
    StackAllocatorBase* allocator_ = nullptr;
};

} // namespace guard
