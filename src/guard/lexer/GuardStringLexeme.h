#pragma once
// A string constant: from a double quote to the next double quote.
//
// Bytes are taken as they are, except "%", which must be followed by two
// hexadecimal digits standing for one byte (high digit first); there is no
// other escape. The decoded bytes are collected in a buffer of
// kBufferSize bytes given by the lexer; a longer constant is reported as too
// long at its closing quote. A constant found whole in one chunk without any
// "%" is handed on straight from the chunk. Errors: a bad "%" sequence when
// it is seen, end of input before the closing quote.
#include <cstdint>

#include "guard/lexer/GuardLexemeAcceptor.h"
#include "syntax/Lexeme.h"

namespace guard {

class GuardStringLexeme final : public Lexeme {
public:
    static constexpr std::uint32_t kBufferSize = 512;

    GuardStringLexeme(char* buffer, GuardStringLexemeAcceptor& acceptor) : buffer_(buffer), acceptor_(acceptor) { }

    void Begin(TextOffset) override
    {
        state_ = State::Text;
        count_ = 0;
    }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override;

private:
    enum class State : std::uint8_t { Text, EscapeHigh, EscapeLow, Closed };

    void report(TextOffset start, TextOffset end, const char* bytes, std::uint32_t count);

    char* buffer_;
    GuardStringLexemeAcceptor& acceptor_;
    State state_ = State::Text;
    std::uint8_t high_ = 0;
    std::uint32_t count_ = 0; // decoded bytes, counted past the buffer's end
};

} // namespace guard
