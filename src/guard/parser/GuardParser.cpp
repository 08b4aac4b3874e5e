#include "guard/parser/GuardParser.h"

#include "guard/tree/ExpressionLimits.h"
#include "guard/lexer/GuardErrors.h"
#include "guard/parser/GuardGrammar.h"
#include "guard/parser/GuardSymbols.h"

namespace guard {

GuardParser::GuardParser(GuardRPNSemantics& automaton) : automaton_(automaton), engine_(guardGrammar(), automaton) { }

void GuardParser::AcceptPhrase(const char* begin, const char* end)
{
    engine_.shift(GuardSymbol::Phrase);
    automaton_.PushPhrase(begin, end);
    push();
}

void GuardParser::AcceptString(TextOffset, TextOffset, const char* begin, const char* bytesEnd)
{
    engine_.shift(GuardSymbol::Primary);
    automaton_.PushString(begin, bytesEnd);
    push();
}

void GuardParser::AcceptNumeral(TextOffset, TextOffset, std::uint32_t low, std::uint32_t high)
{
    engine_.shift(GuardSymbol::Primary);
    automaton_.PushInteger(low, high);
    push();
}

void GuardParser::push()
{
    engine_.push();
    if (engine_.depth() > kMaxExpressionDepth)
        throw ExpressionTooDeep();
}

void GuardParser::RejectLongPhrase() { throw PhraseTooLong(); }

void GuardParser::RejectLongWord() { throw WordTooLong(); }

void GuardParser::RejectInvalidOperator(TextOffset, TextOffset) { throw InvalidOperator(); }

void GuardParser::RejectLongString(TextOffset, TextOffset) { throw StringConstantTooLong(); }

void GuardParser::RejectUnfinishedString(TextOffset, TextOffset) { throw UnfinishedStringConstant(); }

void GuardParser::RejectBadEscape(TextOffset, TextOffset) { throw StringEncodingError(); }

void GuardParser::RejectLargeNumeral(TextOffset, TextOffset) { throw IntegerConstantTooLarge(); }

void GuardParser::AcceptCharacter(TextOffset, TextOffset, unsigned char byte) { throw UnexpectedCharacter(byte); }

void GuardParser::RejectUnfinishedComment(TextOffset, TextOffset) { throw UnfinishedCommentError(); }

} // namespace guard
