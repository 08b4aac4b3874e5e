#pragma once
// The body of a comment, begun after its opening "/*": everything up to and
// including the first "*/" (which may be split over chunks). Comments do not
// nest and produce no token; end of input inside one is reported.
#include "guard/lexer/GuardLexemeAcceptor.h"
#include "syntax/Lexeme.h"

namespace guard {

class CommentLexeme final : public Lexeme {
public:
    explicit CommentLexeme(GuardCommentLexemeAcceptor& acceptor) : acceptor_(acceptor) { }

    void Begin(TextOffset) override
    {
        afterStar_ = false;
        closed_ = false;
    }
    void Accept(TextOffset, TextOffset, LexemeCursor& cursor) override
    {
        for (; !closed_ && !cursor.atEnd(); ++cursor.next) {
            char byte = *cursor.next;
            closed_ = afterStar_ && byte == '/';
            afterStar_ = byte == '*';
        }
    }
    void End(TextOffset start, TextOffset position) override
    {
        if (!closed_)
            acceptor_.RejectUnfinishedComment(start, position);
    }

private:
    GuardCommentLexemeAcceptor& acceptor_;
    bool afterStar_ = false;
    bool closed_ = false;
};

} // namespace guard
