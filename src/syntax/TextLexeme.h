#pragma once
// A run of bytes of a set, handed on unbuffered: each chunk's piece of the
// run goes to AcceptText as it arrives, and EndText follows when the run ends
// (inside a chunk or at the end of input).
#include "syntax/CharacterSet.h"
#include "syntax/Lexeme.h"
#include "syntax/LexemeAcceptors.h"

namespace guard {

class TextLexeme final : public Lexeme {
public:
    TextLexeme(const CharacterSet& set, TextLexemeAcceptor& acceptor) : set_(set), acceptor_(acceptor) { }

    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override
    {
        const char* from = cursor.next;
        const char* run = set_.skip(from, cursor.end);
        cursor.next = run;
        if (run > from)
            acceptor_.AcceptText(start, position, from, run);
        if (run < cursor.end)
            acceptor_.EndText(start, position + TextOffset(run - from));
    }
    void End(TextOffset start, TextOffset position) override { acceptor_.EndText(start, position); }

private:
    const CharacterSet& set_;
    TextLexemeAcceptor& acceptor_;
};

} // namespace guard
