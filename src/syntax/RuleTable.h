#pragma once
// The tries of a grammar's right-hand sides, one slot per symbol below the
// end symbol, built from the rules in registration order.
//
// A rule's chain of nodes is inserted under its first symbol: the insertion
// descends through nodes that expect the same symbol (a shared prefix) and
// otherwise moves on to siblings, and hangs the rest of the chain as the last
// sibling. The registration order thus fixes the order in which the engine
// tries the alternatives. A table is built once (normally as a function-local
// static) and read-only afterwards.
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "syntax/GrammarRule.h"

namespace guard {

template <class Automaton>
class RuleTable {
public:
    using Rule = GrammarRule<Automaton>;
    using Node = RuleNode<Automaton>;
    using Action = typename Rule::Action;

    struct Definition {
        GrammarSymbol left;
        std::initializer_list<GrammarSymbol> right;
        Action action;
    };

    RuleTable(GrammarSymbol endSymbol, std::initializer_list<Definition> rules)
        : endSymbol_(endSymbol), slots_(endSymbol, nullptr)
    {
        std::size_t nodeCount = 0;
        for (const Definition& rule : rules)
            nodeCount += rule.right.size();
        nodes_.reserve(nodeCount); // no reallocation: nodes point at each other
        for (const Definition& rule : rules)
            add(rule);
    }
    RuleTable(const RuleTable&) = delete;
    RuleTable& operator=(const RuleTable&) = delete;

    // The first node of the rules whose right-hand side starts with `symbol`.
    const Node* start(GrammarSymbol symbol) const { return slots_[symbol]; }
    // All slots, one per symbol below the end symbol.
    const Node* const* slots() const { return slots_.data(); }
    GrammarSymbol endSymbol() const { return endSymbol_; }
    std::size_t ruleCount() const { return ruleCount_; }

private:
    void add(const Definition& definition)
    {
        const GrammarSymbol* right = definition.right.begin();
        std::size_t length = definition.right.size();
        if (length == 0 || definition.left > endSymbol_)
            throw std::logic_error("grammar rule without right-hand side or with a bad symbol");
        for (std::size_t i = 0; i < length; ++i)
            if (right[i] >= endSymbol_)
                throw std::logic_error("grammar rule with a bad symbol");
        const Rule rule{definition.action, std::uint16_t(length), definition.left};
        ++ruleCount_;

        const Node* chain = nullptr;
        const Node** link = &chain;
        for (std::size_t i = 1; i <= length; ++i) {
            GrammarSymbol expected = i < length ? right[i] : endSymbol_;
            Node& node = nodes_.emplace_back(Node{expected, nullptr, nullptr, rule});
            *link = &node;
            link = &node.child;
        }

        const Node** walk = &slots_[right[0]];
        while (*walk) {
            Node& existing = writable(*walk);
            if (existing.expected != chain->expected) {
                walk = &existing.sibling;
                continue;
            }
            if (chain->isEnd())
                throw std::logic_error("grammar rule registered twice");
            walk = &existing.child;
            chain = chain->child;
        }
        *walk = chain;
    }

    Node& writable(const Node* node) { return nodes_[std::size_t(node - nodes_.data())]; }

    GrammarSymbol endSymbol_;
    std::size_t ruleCount_ = 0;
    std::vector<Node> nodes_;
    std::vector<const Node*> slots_;
};

} // namespace guard
