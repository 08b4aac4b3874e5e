#include "syntax/WordLexeme.h"

#include <algorithm>
#include <cstring>

namespace guard {

void WordLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    const char* from = cursor.next;
    const char* run = set_.skip(from, cursor.end);
    cursor.next = run;
    bool ended = run < cursor.end;
    TextOffset endOffset = position + TextOffset(run - from);
    std::size_t count = std::size_t(run - from);
    if (ended && !filter_ && write_ == begin_) {
        if (count < std::size_t(end_ - begin_))
            acceptor_.AcceptWord(start, endOffset, from, run);
        else
            acceptor_.RejectLongWord(start, endOffset);
        return;
    }
    std::size_t copied = std::min(count, std::size_t(end_ - write_));
    if (filter_)
        write_ = filter_(from, from + copied, write_);
    else if (copied) {
        std::memcpy(write_, from, copied);
        write_ += copied;
    }
    if (ended)
        report(start, endOffset);
}

void WordLexeme::report(TextOffset start, TextOffset end)
{
    if (write_ < end_)
        acceptor_.AcceptWord(start, end, begin_, write_);
    else
        acceptor_.RejectLongWord(start, end);
}

} // namespace guard
