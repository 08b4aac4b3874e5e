#pragma once
// The token begun by "/": a comment when the next byte is "*", otherwise the
// division operator (the operator lexeme is then fed the "/" and whatever
// follows, so "//" is two divisions). It waits for the next chunk when "/"
// ends one; "/" at the end of input is a division.
#include <cstdint>

#include "guard/lexer/CommentLexeme.h"
#include "guard/lexer/OperatorLexeme.h"

namespace guard {

class CommentOrOperatorLexeme final : public Lexeme {
public:
    CommentOrOperatorLexeme(GuardCommentLexemeAcceptor& acceptor, OperatorLexeme& operators)
        : comment_(acceptor), operator_(operators)
    {
    }

    void Begin(TextOffset) override { mode_ = Mode::Slash; }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override;

private:
    enum class Mode : std::uint8_t { Slash, Comment, Operator };

    void startOperator(TextOffset start);

    CommentLexeme comment_;
    OperatorLexeme& operator_;
    Mode mode_ = Mode::Slash;
};

} // namespace guard
