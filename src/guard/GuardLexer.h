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
#include "guard/CharacterLexeme.h"
#include "guard/CommentOrOperatorLexeme.h"
#include "guard/GuardLexemeAcceptor.h"
#include "guard/GuardStringLexeme.h"
#include "guard/IgnoredTextLexeme.h"
#include "guard/Lexer.h"
#include "guard/NumeralLexeme.h"
#include "guard/OperatorLexeme.h"
#include "guard/PhraseLexeme.h"

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
