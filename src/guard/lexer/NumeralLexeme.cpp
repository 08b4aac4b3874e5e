#include "guard/lexer/NumeralLexeme.h"

#include <limits>

namespace guard {

void NumeralLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (const char* from = cursor.next; !cursor.atEnd(); ++cursor.next) {
        unsigned digit = unsigned(static_cast<unsigned char>(*cursor.next)) - '0';
        if (digit > 9) {
            report(start, position + TextOffset(cursor.next - from));
            return;
        }
        if (tooLarge_ || value_ > (kMax - digit) / 10)
            tooLarge_ = true;
        else
            value_ = value_ * 10 + digit;
    }
}

void NumeralLexeme::report(TextOffset start, TextOffset end)
{
    if (tooLarge_)
        acceptor_.RejectLargeNumeral(start, end);
    else
        acceptor_.AcceptNumeral(start, end, std::uint32_t(value_), std::uint32_t(value_ >> 32));
}

} // namespace guard
