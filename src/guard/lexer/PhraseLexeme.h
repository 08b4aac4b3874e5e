#pragma once
// A run of words separated by whitespace, split into plain phrases and
// keywords by a PhraseMaker.
//
// The stages are a word (word-continuation bytes, lower-cased into a 64-byte
// buffer, so words have at most 63 bytes) and whitespace. Any other byte,
// including a digit after whitespace, ends the phrase, as does the end of
// input; the byte is left for the next token.
#include "guard/lexer/GuardLexemeAcceptor.h"
#include "syntax/IgnoredTextLexeme.h"
#include "guard/lexer/PhraseMaker.h"
#include "syntax/StagedLexeme.h"
#include "syntax/WordLexeme.h"

namespace guard {

class PhraseLexeme final : public StagedLexeme, private WordLexemeAcceptor {
public:
    static constexpr std::size_t kWordBufferSize = 64;

    explicit PhraseLexeme(PhraseAcceptor& acceptor);

    void Begin(TextOffset start) override;
    void End(TextOffset start, TextOffset position) override;

protected:
    Lexeme* NextStage(TextOffset start, TextOffset position, unsigned char byte) override;

private:
    void AcceptWord(TextOffset start, TextOffset end, const char* text, const char* textEnd) override;
    void RejectLongWord(TextOffset start, TextOffset end) override;

    PhraseAcceptor& acceptor_;
    char wordBuffer_[kWordBufferSize];
    WordLexeme word_;
    IgnoredTextLexeme space_;
    PhraseMaker maker_;
};

} // namespace guard
