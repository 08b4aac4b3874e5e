#pragma once
// Grammar data for the shift-reduce engine.
//
// Symbols are small integers: terminals first, then non-terminals, then one
// end symbol. A GrammarRule is a reduction: the semantic action it calls on
// the automaton (a member function of the automaton type, or none), the
// length of its right-hand side and its left-hand symbol.
//
// The right-hand sides are stored as tries of RuleNodes: for a rule
// s1 s2 ... sn there is one node per symbol s2 ... sn and a final end node
// (no child), reached from the table slot of s1. A node's siblings are the
// other alternatives at the same depth, in registration order.
#include <cstdint>

namespace guard {

using GrammarSymbol = std::uint16_t;

template <class Automaton>
struct GrammarRule {
    using Action = void (Automaton::*)();

    Action action; // null: no semantic action
    std::uint16_t length;
    GrammarSymbol left;
};

// Each node carries a copy of its rule, so that a reduction reads the rule
// from the end node itself.
template <class Automaton>
struct RuleNode {
    GrammarSymbol expected;  // the end symbol on an end node
    const RuleNode* child;   // the node for the next symbol; null on an end node
    const RuleNode* sibling; // the next alternative at this depth
    GrammarRule<Automaton> rule;

    bool isEnd() const { return child == nullptr; }
};

} // namespace guard
