#include "guard/lexer/GuardLexer.h"

#include "guard/lexer/GuardCharacterClasses.h"

namespace guard {

GuardLexer::GuardLexer(GuardLexemeAcceptor& parser)
    : Lexer(parser), phrase_(parser), operator_(parser), string_(stringBuffer_, parser),
      commentOrOperator_(parser, operator_), numeral_(parser), whitespace_(GuardClass::kWhitespace), character_(parser)
{
}

Lexeme& GuardLexer::NewLexeme(unsigned char byte)
{
    if (GuardClass::kWhitespace.contains(byte))
        return whitespace_;
    if (GuardClass::kWordStart.contains(byte))
        return phrase_;
    if (byte == '"')
        return string_;
    if (GuardClass::kDigit.contains(byte))
        return numeral_;
    if (byte == '/')
        return commentOrOperator_;
    if (GuardClass::kOperatorStart.contains(byte))
        return operator_;
    return character_;
}

} // namespace guard
