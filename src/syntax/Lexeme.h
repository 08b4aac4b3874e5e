#pragma once
// A Lexeme recognises one kind of token in text that arrives in chunks.
//
// The lexer begins a lexeme at the first byte of a token and then feeds it
// every chunk until it stops short: Accept advances the cursor past the
// bytes it takes; returning with the cursor short of the chunk's end means
// the token is finished and already reported to the lexeme's acceptor (the
// byte at the cursor starts the next token). A lexeme that takes the whole
// chunk stays current and gets the next chunk, or End at the end of input.
//
// Offsets count bytes from the start of the input: `start` is where the
// token began, `position` where the cursor stands when Accept is called (or
// the end of input for End). A lexeme keeps all its state between chunks.
#include <cstdint>

namespace guard {

using TextOffset = std::uint32_t;

// The unread part of the current chunk.
struct LexemeCursor {
    const char* next;
    const char* end;

    bool atEnd() const { return next == end; }
};

class Lexeme {
public:
    virtual ~Lexeme() = default;
    virtual void Begin(TextOffset /*start*/) { }
    virtual void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) = 0;
    virtual void End(TextOffset start, TextOffset position) = 0;
};

} // namespace guard
