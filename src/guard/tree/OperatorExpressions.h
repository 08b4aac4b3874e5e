#pragma once
// Nodes that call one cast or operator inspector per operand value:
// "as" casts, the conversions the evaluator adds to reach a required type,
// unary minus, logical not and the twelve binary operators.
#include "guard/tree/Expression.h"
#include "guard/tree/SingularOperand.h"
#include "registry/CoreValues.h"

namespace guard {

struct CastRecord;
struct UnaryOperatorRecord;
struct BinaryOperatorRecord;

// Shared by the "as" cast and the implicit conversion.
class CastingExpression : public Expression {
public:
    CastingExpression(NodeKind kind, Expression* operand, String castName)
        : Expression(kind), operand(operand), castName(castName)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    // An "as" cast of a singular operand read without a stream is `once`.
    const void* evaluateOnce() override;

    Expression* operand;
    String castName;
    const CastRecord* record = nullptr;

protected:
    // What to do with an operand value the cast gives no value for: the
    // "as" cast skips it, the implicit conversion fails with code 3.
    virtual EvalCode unconverted() = 0;

private:
    EvalCode convertFrom(EvalCode code);

    ChildCursor cursor_;
    SingularOperand singular_; // bound for a cast that is `once`
    void* result_ = nullptr;
};

class CastExpression final : public CastingExpression {
public:
    CastExpression(Expression* operand, String castName) : CastingExpression(NodeKind::Cast, operand, castName) { }

protected:
    EvalCode unconverted() override { return kEvalOk; }
};

class ImplicitConversion final : public CastingExpression {
public:
    ImplicitConversion(Expression* operand, String castName)
        : CastingExpression(NodeKind::ImplicitConversion, operand, castName)
    {
    }

protected:
    EvalCode unconverted() override { return kEvalNotConverted; }
};

class UnaryOperatorExpression final : public Expression {
public:
    UnaryOperatorExpression(Expression* operand, unsigned operatorIndex)
        : Expression(NodeKind::UnaryOperator), operand(operand), operatorIndex(operatorIndex)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override;

    Expression* operand;
    unsigned operatorIndex;
    const UnaryOperatorRecord* record = nullptr;

private:
    SingularOperand operand_;
    void* result_ = nullptr;
};

class LogicalNotExpression final : public Expression {
public:
    explicit LogicalNotExpression(Expression* operand) : Expression(NodeKind::LogicalNot), operand(operand) { }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override;

    Expression* operand;

private:
    SingularOperand operand_;
    bool result_ = false;
};

class BinaryOperatorExpression final : public Expression {
public:
    BinaryOperatorExpression(Expression* left, Expression* right, unsigned operatorIndex)
        : Expression(NodeKind::BinaryOperator), left(left), right(right), operatorIndex(operatorIndex)
    {
    }
    EvalCode first() override;
    EvalCode next() override;
    void close() override;
    bool bind(Expression* itTarget, StackAllocatorBase& allocator) override;
    const void* evaluateOnce() override;

    Expression* left;
    Expression* right;
    unsigned operatorIndex;
    const BinaryOperatorRecord* record = nullptr;

private:
    SingularOperand left_;
    SingularOperand right_;
    void* result_ = nullptr;
};

} // namespace guard
