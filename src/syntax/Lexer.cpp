#include "syntax/Lexer.h"

namespace guard {

void Lexer::Start()
{
    current_ = nullptr;
    position_ = 0;
    endAcceptor_.ResetInput();
}

void Lexer::Receive(const char* begin, const char* end)
{
    if (begin == end)
        return;
    LexemeCursor cursor{begin, end};
    if (!current_) {
        current_ = &NewLexeme(static_cast<unsigned char>(*begin));
        lexemeStart_ = position_;
        current_->Begin(lexemeStart_);
    }
    current_->Accept(lexemeStart_, position_, cursor);
    while (!cursor.atEnd()) {
        current_ = &NewLexeme(static_cast<unsigned char>(*cursor.next));
        lexemeStart_ = position_ + TextOffset(cursor.next - begin);
        current_->Begin(lexemeStart_);
        current_->Accept(lexemeStart_, lexemeStart_, cursor);
    }
    position_ += TextOffset(end - begin);
}

void Lexer::Finish()
{
    if (current_) {
        Lexeme* last = current_;
        current_ = nullptr;
        last->End(lexemeStart_, position_);
    }
    endAcceptor_.EndInput(position_);
}

} // namespace guard
