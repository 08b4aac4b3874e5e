#include "syntax/StagedLexeme.h"

namespace guard {

void StagedLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    const char* from = cursor.next;
    if (stage_)
        stage_->Accept(stageStart_, position, cursor);
    while (!cursor.atEnd()) {
        TextOffset offset = position + TextOffset(cursor.next - from);
        stage_ = NextStage(start, offset, static_cast<unsigned char>(*cursor.next));
        if (!stage_)
            return;
        stageStart_ = offset;
        stage_->Begin(stageStart_);
        stage_->Accept(stageStart_, offset, cursor);
    }
}

void StagedLexeme::End(TextOffset, TextOffset position)
{
    if (Lexeme* last = stage_) {
        stage_ = nullptr;
        last->End(stageStart_, position);
    }
}

} // namespace guard
