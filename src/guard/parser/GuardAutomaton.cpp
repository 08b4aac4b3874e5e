#include "guard/parser/GuardAutomaton.h"

#include <string_view>

#include "guard/tree/ConstantExpressions.h"
#include "guard/parser/GuardParsingAction.h"
#include "guard/tree/LogicalExpressions.h"
#include "guard/tree/OperatorExpressions.h"
#include "guard/tree/PropertyExpression.h"
#include "guard/tree/StructureExpressions.h"

namespace guard {

void GuardAutomaton::Reset()
{
    whoseCounts_.clear();
    phrases_.clear();
    operators_.clear();
    nodes_.clear();
    tree_.clear();
}

bool GuardAutomaton::idle() const
{
    return whoseCounts_.empty() && phrases_.empty() && operators_.empty() && nodes_.empty();
}

void GuardAutomaton::PushInteger(std::uint32_t low, std::uint32_t high)
{
    if (high > 0x7FFFFFFFu)
        nodes_.push(tree_.make<NoIntegerExpression>());
    else
        nodes_.push(tree_.make<IntegerExpression>(std::int64_t((std::uint64_t(high) << 32) | low)));
}

void GuardAutomaton::PushString(const char* begin, const char* end)
{
    nodes_.push(tree_.make<StringExpression>(tree_.copyText(begin, end)));
}

void GuardAutomaton::PushPhrase(const char* begin, const char* end) { phrases_.push(tree_.copyText(begin, end)); }

void GuardAutomaton::PushOperator(std::uint32_t code, std::uint32_t flags)
{
    operators_.push(PendingOperator{code, flags});
}

void GuardAutomaton::PushIt() { nodes_.push(tree_.make<ItExpression>()); }

void GuardAutomaton::MakePhraseWithArgument() { whoseCounts_.push(0); }

void GuardAutomaton::MakePrimaryItem()
{
    phrases_.push(String());
    whoseCounts_.push(0);
}

void GuardAutomaton::MakeBarePhrase()
{
    nodes_.push(nullptr);
    whoseCounts_.push(0);
}

void GuardAutomaton::AddWhose()
{
    Expression* filter = nodes_.top();
    nodes_.top() = nodes_.below(1);
    nodes_.below(1) = filter;
    ++whoseCounts_.top();
}

void GuardAutomaton::MakeOf()
{
    Expression* object = nodes_.top();
    nodes_.pop();
    std::uint32_t filters = whoseCounts_.top();
    whoseCounts_.pop();
    String phrase = phrases_.top();
    phrases_.pop();
    nodes_.top() = term(phrase, nodes_.top(), object);
    for (; filters > 0; --filters) {
        Expression* subject = nodes_.top();
        nodes_.pop();
        nodes_.top() = tree_.make<WhoseExpression>(subject, nodes_.top());
    }
}

Expression* GuardAutomaton::term(String phrase, Expression* argument, Expression* object)
{
    std::string_view name = phrase.view();
    if (phrase.empty()) // a primary, possibly "of" an object
        return object ? tree_.make<ComputedPropertyExpression>(argument, object, false) : argument;
    if (argument && object) {
        if (name == "item" || name == "items")
            return tree_.make<ItemOfExpression>(name == "items", argument, object);
        Expression* key = tree_.make<ComputedPropertyExpression>(argument, object, true);
        return tree_.make<PropertyExpression>(phrase, key, object);
    }
    if (argument)
        return tree_.make<PropertyExpression>(phrase, argument, nullptr);
    if (object) {
        if (name == "number")
            return tree_.make<NumberOfExpression>(object);
        return tree_.make<PropertyExpression>(phrase, nullptr, object);
    }
    Expression* world = tree_.make<WorldExpression>();
    return tree_.make<PropertyExpression>(phrase, nullptr, world);
}

void GuardAutomaton::MakeOfNothing()
{
    nodes_.push(nullptr);
    MakeOf();
}

void GuardAutomaton::MakeExists() { nodes_.top() = tree_.make<ExistsExpression>(nodes_.top()); }

void GuardAutomaton::MakeExistsNo()
{
    MakeExists();
    MakeNot();
}

void GuardAutomaton::MakeCast()
{
    nodes_.top() = tree_.make<CastExpression>(nodes_.top(), phrases_.top());
    phrases_.pop();
}

void GuardAutomaton::MakeBinaryOperator()
{
    PendingOperator op = operators_.top();
    operators_.pop();
    Expression* left = nodes_.below(1);
    Expression* right = nodes_.top();
    if (op.flags & kSwapFlag)
        std::swap(left, right);
    nodes_.pop();
    nodes_.top() = tree_.make<BinaryOperatorExpression>(left, right, op.code);
    if (op.flags & kNegateFlag)
        MakeNot();
}

void GuardAutomaton::MakeNot() { nodes_.top() = tree_.make<LogicalNotExpression>(nodes_.top()); }

void GuardAutomaton::MakeNegation() { nodes_.top() = tree_.make<UnaryOperatorExpression>(nodes_.top(), kUnaryMinus); }

template <class Node>
void GuardAutomaton::combineTopTwo()
{
    Expression* right = nodes_.top();
    nodes_.pop();
    nodes_.top() = tree_.make<Node>(nodes_.top(), right);
}

void GuardAutomaton::MakeBar() { combineTopTwo<BarExpression>(); }

void GuardAutomaton::MakeMinus()
{
    Expression* right = nodes_.top();
    nodes_.pop();
    nodes_.top() = tree_.make<BinaryOperatorExpression>(nodes_.top(), right, GuardOperator::Subtract);
}

void GuardAutomaton::MakeAnd() { combineTopTwo<AndExpression>(); }

void GuardAutomaton::MakeOr() { combineTopTwo<OrExpression>(); }

void GuardAutomaton::EndTuple()
{
    nodes_.push(tree_.make<WorldExpression>());
    MakeTuple();
    MakeTuple();
}

void GuardAutomaton::MakeTuple() { combineTopTwo<TupleExpression>(); }

void GuardAutomaton::MakeCollection() { combineTopTwo<CollectionExpression>(); }

void GuardAutomaton::MakeIf()
{
    Expression* elseBranch = nodes_.top();
    Expression* thenBranch = nodes_.below(1);
    nodes_.pop(2);
    nodes_.top() = tree_.make<IfExpression>(nodes_.top(), thenBranch, elseBranch);
}

void GuardAutomaton::FinishTree()
{
    tree_.finish();
    nodes_.pop();
}

} // namespace guard
