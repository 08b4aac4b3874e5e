#pragma once
// The parser of the expression language: receives the tokens of one
// expression from GuardLexer, runs them through the shift-reduce engine with
// the expression grammar and drives the automaton, which builds the tree.
//
// Each token is taken in three steps: the engine shifts the token's terminal
// (performing the reductions it triggers), the token's own semantic action
// goes to the automaton (push a phrase, a constant, an operator code, "it"),
// and the engine pushes the new position. Every lexical error is raised at
// once as its own exception class (GuardErrors.h); sequences outside the
// grammar raise ParsingFailure; a position stack deeper than
// kMaxExpressionDepth (open parentheses, prefix operators, "of" chains)
// raises ExpressionTooDeep. ResetInput starts over (and resets the
// automaton); EndInput finishes the parse, so the automaton's FinishTree
// (and any binding failure) happens there.
#include "guard/lexer/GuardLexemeAcceptor.h"
#include "guard/parser/GuardRPNSemantics.h"
#include "syntax/RuleTrieParser.h"

namespace guard {

class GuardParser final : public GuardLexemeAcceptor {
public:
    static constexpr std::size_t kInlinePositions = 100;
    using Engine = RuleTrieParser<GuardRPNSemantics, kInlinePositions>;

    explicit GuardParser(GuardRPNSemantics& automaton);

    void AcceptAction(const GuardParsingAction& action) override { take(action); }
    void AcceptPhrase(const char* begin, const char* end) override;
    void RejectLongPhrase() override;
    void RejectLongWord() override;

    void AcceptAction(TextOffset, TextOffset, const GuardParsingAction& action) override { take(action); }
    void RejectInvalidOperator(TextOffset start, TextOffset end) override;

    void AcceptString(TextOffset start, TextOffset end, const char* begin, const char* bytesEnd) override;
    void RejectLongString(TextOffset start, TextOffset end) override;
    void RejectUnfinishedString(TextOffset start, TextOffset end) override;
    void RejectBadEscape(TextOffset start, TextOffset end) override;

    void AcceptNumeral(TextOffset start, TextOffset end, std::uint32_t low, std::uint32_t high) override;
    void RejectLargeNumeral(TextOffset start, TextOffset end) override;

    void AcceptCharacter(TextOffset start, TextOffset end, unsigned char byte) override;
    void RejectUnfinishedComment(TextOffset start, TextOffset end) override;

    void ResetInput() override { engine_.reset(); }
    void EndInput(TextOffset) override { engine_.finish(); }

    const Engine& engine() const { return engine_; }

private:
    void take(const GuardParsingAction& action)
    {
        engine_.shift(action.terminal);
        action.Apply(automaton_);
        push();
    }
    // The engine's push, with the bound on its depth.
    void push();

    GuardRPNSemantics& automaton_;
    Engine engine_;
};

} // namespace guard
