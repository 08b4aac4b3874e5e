#pragma once
// A run of decimal digits read as an unsigned 64-bit value. A value above
// 2^64 - 1 is reported as too large once the run ends (its remaining digits
// are still taken). The value goes on as its low and high 32 bits.
#include <cstdint>

#include "guard/lexer/GuardLexemeAcceptor.h"
#include "syntax/Lexeme.h"

namespace guard {

class NumeralLexeme final : public Lexeme {
public:
    explicit NumeralLexeme(NumeralLexemeAcceptor& acceptor) : acceptor_(acceptor) { }

    void Begin(TextOffset) override
    {
        value_ = 0;
        tooLarge_ = false;
    }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override { report(start, position); }

private:
    void report(TextOffset start, TextOffset end);

    NumeralLexemeAcceptor& acceptor_;
    std::uint64_t value_ = 0;
    bool tooLarge_ = false;
};

} // namespace guard
