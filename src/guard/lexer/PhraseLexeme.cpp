#include "guard/lexer/PhraseLexeme.h"

#include "guard/lexer/GuardCharacterClasses.h"

namespace guard {

PhraseLexeme::PhraseLexeme(PhraseAcceptor& acceptor)
    : acceptor_(acceptor),
      word_(GuardClass::kWordContinuation, wordBuffer_, sizeof wordBuffer_, *this, copyAsciiLowerCase),
      space_(GuardClass::kWhitespace), maker_(acceptor)
{
}

void PhraseLexeme::Begin(TextOffset start)
{
    StagedLexeme::Begin(start);
    maker_.clear();
}

Lexeme* PhraseLexeme::NextStage(TextOffset, TextOffset, unsigned char byte)
{
    if (GuardClass::kWordStart.contains(byte))
        return &word_;
    if (GuardClass::kWhitespace.contains(byte))
        return &space_;
    maker_.endPhrase();
    return nullptr;
}

void PhraseLexeme::End(TextOffset start, TextOffset position)
{
    StagedLexeme::End(start, position);
    maker_.endPhrase();
}

void PhraseLexeme::AcceptWord(TextOffset, TextOffset, const char* text, const char* textEnd)
{
    maker_.addWord(text, textEnd);
}

void PhraseLexeme::RejectLongWord(TextOffset, TextOffset) { acceptor_.RejectLongWord(); }

} // namespace guard
