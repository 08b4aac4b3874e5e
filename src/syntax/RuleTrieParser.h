#pragma once
// The table-driven shift-reduce engine shared by every text syntax.
//
// Its "states" are positions in the tries of a RuleTable, kept on a stack of
// RuleNodes. A concrete parser takes each token in three steps: shift(t) for
// the token's terminal (performing the reductions the terminal triggers),
// the token's own semantic action on the automaton, then push(). finish()
// ends the input; reset() starts over and resets the automaton.
//
// At each position the alternatives are tried in registration order: the
// first one that expects the symbol continues the rule, and an end node met
// first means "reduce now". Reducing pops the rule's entries, calls the
// rule's action and continues with the rule's left-hand symbol; reducing to
// the end symbol accepts. A sequence outside the grammar raises
// ParsingFailure, as does any token after an accepted sentence.
//
// `Automaton` supplies Reset() and the member functions that rules name;
// `InlineEntries` is the size of the stack's inline first block.
#include <cstddef>

#include "syntax/ParsingFailure.h"
#include "syntax/RuleTable.h"
#include "syntax/SegmentedStack.h"

namespace guard {

template <class Automaton, std::size_t InlineEntries>
class RuleTrieParser {
public:
    using Table = RuleTable<Automaton>;
    using Node = RuleNode<Automaton>;

    RuleTrieParser(const Table& table, Automaton& automaton)
        : table_(table), slots_(table.slots()), endSymbol_(table.endSymbol()), automaton_(automaton)
    {
    }

    void shift(GrammarSymbol terminal)
    {
        select(terminal);
        while (topIsEnd()) {
            reduce();
            select(terminal);
        }
        if (accepted_)
            throw ParsingFailure();
        pending_ = goTo(terminal);
    }

    void push()
    {
        stack_.push(pending_);
        ++depth_;
        pending_ = nullptr;
        while (topIsEnd())
            reduce();
    }

    void finish()
    {
        finished_ = true;
        if (accepted_)
            return;
        select(endSymbol_);
        while (!accepted_) {
            if (!topIsEnd())
                throw ParsingFailure();
            reduce();
            select(endSymbol_);
        }
    }

    void reset()
    {
        stack_.clear();
        depth_ = 0;
        pending_ = nullptr;
        accepted_ = false;
        finished_ = false;
        automaton_.Reset();
    }

    bool accepted() const { return accepted_; }
    // The number of positions on the stack (kept as a count, so asking costs
    // nothing).
    std::size_t depth() const { return depth_; }
    bool finished() const { return finished_; }
    // For tests: the position stack's depth and heap use.
    const SegmentedStack<const Node*, InlineEntries>& positions() const { return stack_; }

private:
    bool topIsEnd() const { return !stack_.empty() && stack_.top()->isEnd(); }

    // Among the top node and its later siblings, the first end node or node
    // expecting `symbol` becomes the top; otherwise the top stays.
    void select(GrammarSymbol symbol)
    {
        if (stack_.empty())
            return;
        const Node*& top = stack_.top();
        for (const Node* node = top; node; node = node->sibling) {
            if (node->isEnd() || node->expected == symbol) {
                top = node;
                return;
            }
        }
    }

    // The position after `symbol`: within the top's rule if it expects the
    // symbol, else at the start of the rules that begin with it.
    const Node* goTo(GrammarSymbol symbol) const
    {
        const Node* next = (!stack_.empty() && stack_.top()->expected == symbol) ? stack_.top()->child : slots_[symbol];
        if (!next)
            throw ParsingFailure();
        return next;
    }

    void reduce()
    {
        const GrammarRule<Automaton>& rule = stack_.top()->rule;
        stack_.pop(rule.length);
        depth_ -= rule.length;
        if (rule.action)
            (automaton_.*rule.action)();
        if (rule.left == endSymbol_) {
            if (!stack_.empty())
                throw ParsingFailure();
            accepted_ = true;
            return;
        }
        select(rule.left);
        stack_.push(goTo(rule.left));
        ++depth_;
    }

    const Table& table_;
    const Node* const* slots_;
    GrammarSymbol endSymbol_;
    Automaton& automaton_;
    const Node* pending_ = nullptr;
    bool accepted_ = false;
    bool finished_ = false;
    std::size_t depth_ = 0;
    SegmentedStack<const Node*, InlineEntries> stack_;
};

} // namespace guard
