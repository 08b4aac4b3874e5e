#pragma once
// The "anything else" lexeme: takes exactly one byte and reports it.
#include "syntax/Lexeme.h"
#include "syntax/LexemeAcceptors.h"

namespace guard {

class CharacterLexeme final : public Lexeme {
public:
    explicit CharacterLexeme(CharacterLexemeAcceptor& acceptor) : acceptor_(acceptor) { }

    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override
    {
        if (start != position)
            return; // the byte was taken from an earlier chunk
        unsigned char byte = static_cast<unsigned char>(*cursor.next++);
        acceptor_.AcceptCharacter(start, start + 1, byte);
    }
    void End(TextOffset, TextOffset) override { }

private:
    CharacterLexemeAcceptor& acceptor_;
};

} // namespace guard
