#pragma once
// Builds the expression tree from the parser's operations, in reverse-Polish
// order, into an ExpressionTree.
//
// Four stacks carry what is waiting to be combined: the nodes (D; an entry
// may be none), the phrase texts (copied into the tree's storage; an empty
// text stands for no phrase), the operators (code and flags) and, per open
// term, the number of its whose-filters. A term is built by MakeOf from its
// phrase, its argument (the entry below the top of D) and its object (the
// top of D, none without "of"); its filters lie below the argument, the one
// written last nearest, and are applied from the top down. Tuples are
// right-nested and end with a world node. FinishTree ends the tree (binding
// the root unless the tree's binding is switched off).
//
// The stacks start with inline blocks, so a parse allocates nothing beyond
// the tree's own storage.
#include <cstdint>

#include "guard/tree/ExpressionTree.h"
#include "guard/parser/GuardRPNSemantics.h"
#include "syntax/SegmentedStack.h"
#include "registry/CoreValues.h"

namespace guard {

class GuardAutomaton final : public GuardRPNSemantics {
public:
    explicit GuardAutomaton(ExpressionTree& tree) : tree_(tree) { }

    void Reset() override;
    void PushInteger(std::uint32_t low, std::uint32_t high) override;
    void PushString(const char* begin, const char* end) override;
    void PushPhrase(const char* begin, const char* end) override;
    void PushOperator(std::uint32_t code, std::uint32_t flags) override;
    void PushIt() override;
    void MakePhraseWithArgument() override;
    void MakePrimaryItem() override;
    void MakeBarePhrase() override;
    void AddWhose() override;
    void MakeOf() override;
    void MakeOfNothing() override;
    void MakeExists() override;
    void MakeExistsNo() override;
    void MakeCast() override;
    void MakeBinaryOperator() override;
    void MakeNot() override;
    void MakeNegation() override;
    void MakeBar() override;
    void MakeMinus() override;
    void MakeAnd() override;
    void MakeOr() override;
    void EndTuple() override;
    void MakeTuple() override;
    void MakeCollection() override;
    void MakeIf() override;
    void FinishTree() override;

    // For tests: whether every stack is empty.
    bool idle() const;

private:
    struct PendingOperator {
        std::uint32_t code;
        std::uint32_t flags;
    };

    Expression* term(String phrase, Expression* argument, Expression* object);
    // Pops the right operand and replaces the left one with
    // Node(left, right).
    template <class Node>
    void combineTopTwo();

    ExpressionTree& tree_;
    SegmentedStack<std::uint32_t, 20> whoseCounts_;
    SegmentedStack<String, 60> phrases_;
    SegmentedStack<PendingOperator, 20> operators_;
    SegmentedStack<Expression*, 40> nodes_;
};

} // namespace guard
