#pragma once
// Reads the text of one expression into an ExpressionTree: the lexer, the
// parser and the automaton of the expression language, joined.
//
// Push the text into input() (Start, any number of Receive calls with chunks
// of any size, Finish) or call parse() with the whole text. Start clears the
// tree; after Finish the tree's root is the parsed expression, bound unless
// the tree's binding on finish is switched off. Lexical errors, ParsingFailure
// and binding errors are exceptions; after one, start again before reuse.
// Nothing is allocated per token; the tree's storage is the only memory a
// parse takes.
#include <string_view>

#include "guard/tree/ExpressionTree.h"
#include "guard/parser/GuardAutomaton.h"
#include "guard/lexer/GuardLexer.h"
#include "guard/parser/GuardParser.h"

namespace guard {

class GuardFrontEnd {
public:
    explicit GuardFrontEnd(ExpressionTree& tree) : tree_(tree), automaton_(tree), parser_(automaton_), lexer_(parser_)
    {
    }
    GuardFrontEnd(const GuardFrontEnd&) = delete;
    GuardFrontEnd& operator=(const GuardFrontEnd&) = delete;

    DataReceiver& input() { return lexer_; }

    // Start, the whole text, Finish; the root of the tree.
    Expression* parse(std::string_view text)
    {
        lexer_.Start();
        lexer_.Receive(text.data(), text.data() + text.size());
        lexer_.Finish();
        return tree_.root();
    }

    ExpressionTree& tree() { return tree_; }
    // For tests: the parts.
    const GuardAutomaton& automaton() const { return automaton_; }
    const GuardParser& parser() const { return parser_; }

private:
    ExpressionTree& tree_;
    GuardAutomaton automaton_;
    GuardParser parser_;
    GuardLexer lexer_;
};

} // namespace guard
