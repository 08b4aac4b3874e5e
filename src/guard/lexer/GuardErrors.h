#pragma once
// The lexical errors of the expression language, raised by the parser at the
// moment the lexer reports them. (ParsingFailure, for token sequences outside
// the grammar, comes from the shift-reduce engine.)
#include "platform/DebuggableException.h"

namespace guard {

// A token would start with a byte that starts no token.
class UnexpectedCharacter : public DebuggableException {
public:
    explicit UnexpectedCharacter(unsigned char byte) : byte_(byte) { }
    unsigned char byte() const { return byte_; }

private:
    unsigned char byte_;
};

GUARD_EXCEPTION(WordTooLong, DebuggableException);              // 64 bytes or more
GUARD_EXCEPTION(PhraseTooLong, DebuggableException);            // the phrase buffer exactly full
GUARD_EXCEPTION(InvalidOperator, DebuggableException);          // punctuation that is no operator
GUARD_EXCEPTION(StringConstantTooLong, DebuggableException);    // more than 512 decoded bytes
GUARD_EXCEPTION(UnfinishedStringConstant, DebuggableException); // no closing quote
GUARD_EXCEPTION(StringEncodingError, DebuggableException);      // "%" without two hexadecimal digits
GUARD_EXCEPTION(IntegerConstantTooLarge, DebuggableException);  // above 2^64 - 1
GUARD_EXCEPTION(UnfinishedCommentError, DebuggableException);   // no closing "*/"

} // namespace guard
