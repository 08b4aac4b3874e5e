#include "guard/tree/ConstantExpressions.h"

#include "guard/tree/BindingErrors.h"
#include "registry/InspectorRegistry.h"

namespace guard {

namespace {

// A constant yields its one value on first() and ends on next().
EvalCode yield(Expression& node, const void* constant)
{
    node.value = constant;
    return kEvalOk;
}

EvalCode end(Expression& node)
{
    node.value = nullptr;
    return kEvalOk;
}

bool bindConstant(Expression& node, const TypeRecord* type)
{
    node.type = type;
    node.plural = false;
    node.once = node.kind != NodeKind::World;
    node.constant = node.kind != NodeKind::It;
    return type->hash != nullptr;
}

} // namespace

EvalCode WorldExpression::first() { return yield(*this, &kWorldValue); }
EvalCode WorldExpression::next() { return end(*this); }
void WorldExpression::close() { end(*this); }

bool WorldExpression::bind(Expression* itTarget, StackAllocatorBase&)
{
    enclosingTarget = itTarget;
    return bindConstant(*this, InspectorRegistry::get().worldType());
}

EvalCode StringExpression::first() { return yield(*this, &literal); }
EvalCode StringExpression::next() { return end(*this); }
void StringExpression::close() { end(*this); }

bool StringExpression::bind(Expression*, StackAllocatorBase&)
{
    return bindConstant(*this, InspectorRegistry::get().stringType());
}

EvalCode IntegerExpression::first() { return yield(*this, &literal); }
EvalCode IntegerExpression::next() { return end(*this); }
void IntegerExpression::close() { end(*this); }

bool IntegerExpression::bind(Expression*, StackAllocatorBase&)
{
    return bindConstant(*this, InspectorRegistry::get().integerType());
}

EvalCode NoIntegerExpression::first() { return end(*this); }
EvalCode NoIntegerExpression::next() { return end(*this); }
void NoIntegerExpression::close() { end(*this); }

bool NoIntegerExpression::bind(Expression*, StackAllocatorBase&)
{
    return bindConstant(*this, InspectorRegistry::get().integerType());
}

EvalCode ItExpression::first() { return yield(*this, target->value); }
EvalCode ItExpression::next() { return end(*this); }
void ItExpression::close() { end(*this); }

bool ItExpression::bind(Expression* itTarget, StackAllocatorBase&)
{
    if (!itTarget)
        throw ItUsedWithoutWhose();
    target = itTarget;
    return bindConstant(*this, itTarget->type);
}

} // namespace guard
