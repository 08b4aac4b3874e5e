#pragma once
// The lexer of the expression language: splits the text of one expression
// into phrases and keywords, operators, string constants and integer
// constants, and hands each token (or lexical error) to the parser through
// the GuardLexemeAcceptor interfaces. Whitespace and comments separate
// tokens and are otherwise dropped; any byte that starts no token is handed
// on as a character (an error for the parser).
//
// All lexemes and their buffers are members, made once; lexing allocates
// nothing.
#include "syntax/CharacterLexeme.h"
#include "guard/lexer/CommentOrOperatorLexeme.h"
#include "guard/lexer/GuardLexemeAcceptor.h"
#include "guard/lexer/GuardStringLexeme.h"
#include "syntax/IgnoredTextLexeme.h"
#include "syntax/Lexer.h"
#include "guard/lexer/NumeralLexeme.h"
#include "guard/lexer/OperatorLexeme.h"
#include "guard/lexer/PhraseLexeme.h"

namespace guard {

class GuardLexer final : public Lexer {
public:
    explicit GuardLexer(GuardLexemeAcceptor& parser);

protected:
    Lexeme& NewLexeme(unsigned char byte) override;

private:
    char stringBuffer_[GuardStringLexeme::kBufferSize];
    PhraseLexeme phrase_;
    OperatorLexeme operator_;
    GuardStringLexeme string_;
    CommentOrOperatorLexeme commentOrOperator_;
    NumeralLexeme numeral_;
    IgnoredTextLexeme whitespace_;
    CharacterLexeme character_;
};

} // namespace guard
