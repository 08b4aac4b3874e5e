#pragma once
// A token read as a sequence of sub-lexemes (stages), such as a phrase made
// of words and the spaces between them.
//
// NextStage names the stage that reads a token part starting with `byte`, or
// none when the token ends before that byte (the derived class then does
// whatever finishing the token needs; the byte is left for the next token).
// The first byte of the token must start a stage.
#include "syntax/Lexeme.h"

namespace guard {

class StagedLexeme : public Lexeme {
public:
    void Begin(TextOffset) override { stage_ = nullptr; }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override;

protected:
    virtual Lexeme* NextStage(TextOffset start, TextOffset position, unsigned char byte) = 0;

private:
    Lexeme* stage_ = nullptr;
    TextOffset stageStart_ = 0;
};

} // namespace guard
