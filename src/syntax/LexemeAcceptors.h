#pragma once
// The interfaces through which the reusable lexemes hand on finished tokens
// and report errors. A concrete parser derives from every interface its
// lexer needs, so that one object receives all tokens of a text; it turns
// each error report into an exception.
//
// Offsets are byte offsets from the start of the input: (start of the token,
// offset just past it). Text arguments are byte ranges valid only during the
// call.
#include "syntax/Lexeme.h"

namespace guard {

// Told when an input starts again and when it ends.
class EndLexemeAcceptor {
public:
    virtual ~EndLexemeAcceptor() = default;
    virtual void ResetInput() { }
    virtual void EndInput(TextOffset position) = 0;
};

// A single byte that no other lexeme takes.
class CharacterLexemeAcceptor {
public:
    virtual ~CharacterLexemeAcceptor() = default;
    virtual void AcceptCharacter(TextOffset start, TextOffset end, unsigned char byte) = 0;
};

class WordLexemeAcceptor {
public:
    virtual ~WordLexemeAcceptor() = default;
    virtual void AcceptWord(TextOffset start, TextOffset end, const char* text, const char* textEnd) = 0;
    virtual void RejectLongWord(TextOffset start, TextOffset end) = 0;
};

// Runs of text handed on unbuffered, piece by piece as the chunks bring them.
class TextLexemeAcceptor {
public:
    virtual ~TextLexemeAcceptor() = default;
    virtual void AcceptText(TextOffset start, TextOffset position, const char* run, const char* runEnd) = 0;
    virtual void EndText(TextOffset /*start*/, TextOffset /*end*/) { }
};

// Words looked up in a table of reserved words; `Action` is whatever the
// table carries for each word.
template <class Action>
class ReservedWordAcceptor {
public:
    virtual ~ReservedWordAcceptor() = default;
    virtual void AcceptReservedWord(TextOffset start, TextOffset end, const Action& action, std::uint32_t extra) = 0;
    virtual void AcceptUnknownWord(TextOffset start, TextOffset end, const char* text, const char* textEnd) = 0;
    virtual void RejectLongWord(TextOffset start, TextOffset end) = 0;
};

} // namespace guard
