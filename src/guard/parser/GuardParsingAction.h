#pragma once
// What a keyword or operator token means to the parser: its terminal symbol
// and the semantic action the token itself performs (none for punctuation
// and plain keywords; an operator code and flags for relations and
// arithmetic; an "it" node for "it"). The action objects are static
// constants; tokens refer to them.
#include <cstdint>

#include "syntax/GrammarRule.h"
#include "guard/parser/GuardRPNSemantics.h"
#include "guard/parser/GuardSymbols.h"

namespace guard {

// The binary operator codes of the inspector registry.
namespace GuardOperator {
enum : std::uint32_t {
    Add = 0,
    Subtract = 1,
    Multiply = 2,
    Divide = 3,
    Mod = 4,
    Concatenate = 5, // "&"
    Equal = 6,
    Less = 7,
    LessOrEqual = 8,
    StartsWith = 9,
    EndsWith = 10,
    Contains = 11,
};
}

class GuardParsingAction {
public:
    constexpr explicit GuardParsingAction(GrammarSymbol terminal) : terminal(terminal) { }
    virtual void Apply(GuardRPNSemantics&) const { }

    const GrammarSymbol terminal;
};

// Operator codes are those of the binary operators of the inspector registry.
class GuardOperatorAction final : public GuardParsingAction {
public:
    constexpr GuardOperatorAction(GrammarSymbol terminal, std::uint32_t code, bool swap = false, bool negate = false)
        : GuardParsingAction(terminal), code(code), swap(swap), negate(negate)
    {
    }
    void Apply(GuardRPNSemantics& semantics) const override
    {
        semantics.PushOperator(
            code, (swap ? GuardRPNSemantics::kSwapFlag : 0) | (negate ? GuardRPNSemantics::kNegateFlag : 0));
    }

    const std::uint32_t code;
    const std::uint8_t swap;
    const std::uint8_t negate;
};

class GuardItAction final : public GuardParsingAction {
public:
    constexpr GuardItAction() : GuardParsingAction(GuardSymbol::Primary) { }
    void Apply(GuardRPNSemantics& semantics) const override { semantics.PushIt(); }
};

} // namespace guard
