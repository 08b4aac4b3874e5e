#include "guard/lexer/CommentOrOperatorLexeme.h"

namespace guard {

void CommentOrOperatorLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    if (mode_ == Mode::Comment) {
        comment_.Accept(start, position, cursor);
        return;
    }
    if (mode_ == Mode::Operator) {
        operator_.Accept(start, position, cursor);
        return;
    }
    const char* from = cursor.next;
    if (start == position)
        ++cursor.next; // the "/"
    if (cursor.atEnd())
        return;
    TextOffset offset = position + TextOffset(cursor.next - from);
    if (*cursor.next == '*') {
        ++cursor.next;
        mode_ = Mode::Comment;
        comment_.Begin(start);
        comment_.Accept(start, offset + 1, cursor);
    } else {
        mode_ = Mode::Operator;
        startOperator(start);
        operator_.Accept(start, offset, cursor);
    }
}

void CommentOrOperatorLexeme::End(TextOffset start, TextOffset position)
{
    if (mode_ == Mode::Comment) {
        comment_.End(start, position);
        return;
    }
    if (mode_ == Mode::Slash)
        startOperator(start);
    operator_.End(start, position);
}

void CommentOrOperatorLexeme::startOperator(TextOffset start)
{
    static const char kSlash[] = "/";
    LexemeCursor slash{kSlash, kSlash + 1};
    operator_.Begin(start);
    operator_.Accept(start, start, slash);
}

} // namespace guard
