#pragma once
// A word: the longest run of bytes of a continuation set (the lexer chose the
// lexeme for the word's first byte).
//
// A word met whole inside one chunk is handed on straight from the chunk when
// no filter is set; otherwise it is copied (through the filter, if any) into
// the buffer given at construction, copying stopping silently when the buffer
// is full. A word fits only if it is at least one byte shorter than the
// buffer: a longer one is reported with RejectLongWord, however it arrives.
#include <cstddef>

#include "syntax/CaseFilters.h"
#include "syntax/CharacterSet.h"
#include "syntax/Lexeme.h"
#include "syntax/LexemeAcceptors.h"

namespace guard {

class WordLexeme final : public Lexeme {
public:
    WordLexeme(const CharacterSet& continuation, char* buffer, std::size_t size, WordLexemeAcceptor& acceptor,
               CopyFilter filter = nullptr)
        : set_(continuation), write_(buffer), end_(buffer + size), begin_(buffer), acceptor_(acceptor), filter_(filter)
    {
    }

    void Begin(TextOffset) override { write_ = begin_; }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override { report(start, position); }

private:
    void report(TextOffset start, TextOffset end);

    const CharacterSet& set_;
    char* write_;
    char* const end_;
    char* const begin_;
    WordLexemeAcceptor& acceptor_;
    const CopyFilter filter_;
};

} // namespace guard
