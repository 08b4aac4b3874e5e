#pragma once
// The interfaces through which the expression lexer hands on its tokens and
// reports its errors, and GuardLexemeAcceptor, which joins them so that one
// object (the parser) receives everything.
//
// Error reports are expected not to return: the parser raises an exception.
// Offsets are byte offsets from the start of the input.
#include <cstdint>

#include "guard/parser/GuardParsingAction.h"
#include "syntax/LexemeAcceptors.h"

namespace guard {

class PhraseAcceptor {
public:
    virtual ~PhraseAcceptor() = default;
    // A keyword phrase.
    virtual void AcceptAction(const GuardParsingAction& action) = 0;
    // A plain phrase: lower-cased words joined by single spaces.
    virtual void AcceptPhrase(const char* begin, const char* end) = 0;
    virtual void RejectLongPhrase() = 0;
    virtual void RejectLongWord() = 0;
};

class OperatorLexemeAcceptor {
public:
    virtual ~OperatorLexemeAcceptor() = default;
    virtual void AcceptAction(TextOffset start, TextOffset end, const GuardParsingAction& action) = 0;
    virtual void RejectInvalidOperator(TextOffset start, TextOffset end) = 0;
};

class GuardStringLexemeAcceptor {
public:
    virtual ~GuardStringLexemeAcceptor() = default;
    // The decoded bytes of a string constant.
    virtual void AcceptString(TextOffset start, TextOffset end, const char* begin, const char* bytesEnd) = 0;
    virtual void RejectLongString(TextOffset start, TextOffset end) = 0;
    virtual void RejectUnfinishedString(TextOffset start, TextOffset end) = 0;
    virtual void RejectBadEscape(TextOffset start, TextOffset end) = 0;
};

class NumeralLexemeAcceptor {
public:
    virtual ~NumeralLexemeAcceptor() = default;
    virtual void AcceptNumeral(TextOffset start, TextOffset end, std::uint32_t low, std::uint32_t high) = 0;
    virtual void RejectLargeNumeral(TextOffset start, TextOffset end) = 0;
};

class GuardCommentLexemeAcceptor {
public:
    virtual void RejectUnfinishedComment(TextOffset start, TextOffset end) = 0;

protected:
    ~GuardCommentLexemeAcceptor() = default;
};

class GuardLexemeAcceptor : public PhraseAcceptor,
                            public OperatorLexemeAcceptor,
                            public GuardStringLexemeAcceptor,
                            public NumeralLexemeAcceptor,
                            public CharacterLexemeAcceptor,
                            public GuardCommentLexemeAcceptor,
                            public EndLexemeAcceptor { };

} // namespace guard
