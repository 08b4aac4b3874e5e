#pragma once
// Punctuation operators, by longest match on the operator table, one byte at
// a time. When a byte leaves no candidate, the bytes before it form the
// operator if they are a whole entry ("<" before ">", "(" before "("); the
// byte is left for the next token. Otherwise (for example "!" not followed
// by "=") the operator is invalid. The end of input decides the same way.
#include "guard/lexer/GuardLexemeAcceptor.h"
#include "syntax/Lexeme.h"
#include "syntax/SpellingRange.h"

namespace guard {

class OperatorLexeme final : public Lexeme {
public:
    explicit OperatorLexeme(OperatorLexemeAcceptor& acceptor);

    void Begin(TextOffset start) override;
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override { report(start, position); }

private:
    void report(TextOffset start, TextOffset end);

    const SpellingTable& operators_;
    OperatorLexemeAcceptor& acceptor_;
    SpellingRange range_;
};

} // namespace guard
