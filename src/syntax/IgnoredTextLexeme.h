#pragma once
// Skips the longest run of bytes of a set (whitespace) and reports nothing.
#include "syntax/CharacterSet.h"
#include "syntax/Lexeme.h"

namespace guard {

class IgnoredTextLexeme final : public Lexeme {
public:
    explicit IgnoredTextLexeme(const CharacterSet& set) : set_(set) { }

    void Accept(TextOffset, TextOffset, LexemeCursor& cursor) override
    {
        cursor.next = set_.skip(cursor.next, cursor.end);
    }
    void End(TextOffset, TextOffset) override { }

private:
    const CharacterSet& set_;
};

} // namespace guard
