#pragma once
// The push-driven lexer base: a DataReceiver that splits the bytes it is
// given into tokens by handing them to lexeme objects.
//
// For the first byte of each token the concrete lexer's NewLexeme chooses one
// of its member lexemes (a lexeme chosen for a byte always takes at least
// that byte); the lexeme then reads the token across any number of chunks
// and reports it to its acceptor. Nothing is buffered by the lexer itself.
// Start resets (and tells the end acceptor ResetInput); Finish ends the
// current lexeme and tells the end acceptor EndInput. After an exception the
// lexer must be started again before reuse.
#include "syntax/Lexeme.h"
#include "syntax/LexemeAcceptors.h"
#include "pipeline/DataReceiver.h"

namespace guard {

class Lexer : public DataReceiver {
public:
    explicit Lexer(EndLexemeAcceptor& endAcceptor) : endAcceptor_(endAcceptor) { }

    void Start() override;
    void Receive(const char* begin, const char* end) override;
    void Finish() override;

    // Bytes consumed since the last Start.
    TextOffset position() const { return position_; }

protected:
    // The lexeme that reads a token whose first byte is `byte`.
    virtual Lexeme& NewLexeme(unsigned char byte) = 0;

private:
    Lexeme* current_ = nullptr;
    TextOffset lexemeStart_ = 0;
    TextOffset position_ = 0;
    EndLexemeAcceptor& endAcceptor_;
};

} // namespace guard
