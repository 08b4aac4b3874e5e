#include "Inspectors/Portable/Versions/ManyVersionLexer.h"

#include <limits>

namespace guard {

void DecimalNumeralLexeme::Accept(TextOffset start, TextOffset position, LexemeCursor& cursor)
{
    const char* from = cursor.next;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    while (!cursor.atEnd() && *cursor.next >= '0' && *cursor.next <= '9') {
        auto digit = std::uint64_t(*cursor.next++ - '0');
        value_ = value_ > (kMax - digit) / 10 ? kMax : value_ * 10 + digit;
    }
    if (!cursor.atEnd())
        acceptor_.AcceptDecimalNumeral(start, position + TextOffset(cursor.next - from), value_);
}

void ManyVersionMaker::AcceptDecimalNumeral(TextOffset, TextOffset, std::uint64_t value)
{
    if (count_ < SiteVersionList::kComponents)
        list_.components[count_] = std::uint32_t(value & 0xffffffffu);
    ++count_;
}

void ManyVersionMaker::ResetInput()
{
    list_ = SiteVersionList();
    count_ = 0;
}

void ManyVersionMaker::EndInput(TextOffset)
{
    for (std::size_t i = count_; i < SiteVersionList::kComponents; ++i)
        list_.components[i] = 0;
}

Lexeme& ManyVersionLexer::NewLexeme(unsigned char byte)
{
    if (byte == ',')
        return comma_;
    if (byte >= '0' && byte <= '9')
        return numeral_;
    if (kBlanks.contains(byte))
        return blanks_;
    return rest_;
}

} // namespace guard
