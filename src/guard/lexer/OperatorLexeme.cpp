#include "guard/lexer/OperatorLexeme.h"

#include "guard/lexer/GuardLexicon.h"

namespace guard {

OperatorLexeme::OperatorLexeme(OperatorLexemeAcceptor& acceptor) : operators_(guardOperators()), acceptor_(acceptor) { }

void OperatorLexeme::Begin(TextOffset) { range_ = SpellingRange::all(operators_.entries); }

void OperatorLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    for (const char* from = cursor.next; !cursor.atEnd(); ++cursor.next) {
        SpellingRange next = range_.narrowed(operators_, static_cast<unsigned char>(*cursor.next));
        if (next.empty()) {
            report(start, position + TextOffset(cursor.next - from));
            return;
        }
        range_ = next;
    }
}

void OperatorLexeme::report(TextOffset start, TextOffset end)
{
    if (range_.complete(operators_.entries))
        acceptor_.AcceptAction(start, end, *operators_.entries[range_.low].action);
    else
        acceptor_.RejectInvalidOperator(start, end);
}

} // namespace guard
