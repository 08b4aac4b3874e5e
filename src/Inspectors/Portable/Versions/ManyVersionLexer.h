#pragma once
// The site version list syntax, read with the lexer framework.
//
// ManyVersionLexer chooses a lexeme by a token's first byte: "," a single
// byte that is ignored; a digit a decimal numeral; TAB, LF, CR and space a
// run of blanks, skipped; any other byte a text lexeme over every byte, so
// that the rest of the text is taken and ignored. ManyVersionMaker receives
// the tokens and fills a SiteVersionList: each numeral is the next
// component.
#include <cstdint>

#include "Inspectors/Portable/Versions/SiteVersionList.h"
#include "syntax/CharacterLexeme.h"
#include "syntax/CharacterSet.h"
#include "syntax/IgnoredTextLexeme.h"
#include "syntax/Lexeme.h"
#include "syntax/LexemeAcceptors.h"
#include "syntax/Lexer.h"
#include "syntax/TextLexeme.h"

namespace guard {

// Told each decimal numeral; `value` is 2^64 - 1 when the numeral is larger.
class DecimalNumeralAcceptor {
public:
    virtual ~DecimalNumeralAcceptor() = default;
    virtual void AcceptDecimalNumeral(TextOffset start, TextOffset end, std::uint64_t value) = 0;
};

// A run of decimal digits as an unsigned 64-bit value, saturating.
class DecimalNumeralLexeme final : public Lexeme {
public:
    explicit DecimalNumeralLexeme(DecimalNumeralAcceptor& acceptor) : acceptor_(acceptor) { }
    void Begin(TextOffset) override { value_ = 0; }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override;
    void End(TextOffset start, TextOffset position) override
    {
        acceptor_.AcceptDecimalNumeral(start, position, value_);
    }

private:
    DecimalNumeralAcceptor& acceptor_;
    std::uint64_t value_ = 0;
};

class ManyVersionMaker : public DecimalNumeralAcceptor,
                         public CharacterLexemeAcceptor,
                         public TextLexemeAcceptor,
                         public EndLexemeAcceptor {
public:
    explicit ManyVersionMaker(SiteVersionList& list) : list_(list) { }

    void AcceptDecimalNumeral(TextOffset, TextOffset, std::uint64_t value) override;
    void AcceptCharacter(TextOffset, TextOffset, unsigned char) override { }
    void AcceptText(TextOffset, TextOffset, const char*, const char*) override { }
    void ResetInput() override;
    void EndInput(TextOffset) override;

private:
    SiteVersionList& list_;
    std::size_t count_ = 0;
};

class ManyVersionLexer final : public Lexer {
public:
    explicit ManyVersionLexer(ManyVersionMaker& maker)
        : Lexer(maker), numeral_(maker), comma_(maker), blanks_(kBlanks), rest_(kEveryByte, maker)
    {
    }

protected:
    Lexeme& NewLexeme(unsigned char byte) override;

private:
    static constexpr CharacterSet kBlanks = CharacterSet::of("\t\n\r ");
    static constexpr CharacterSet kEveryByte = CharacterSet().withRange(0, 255);

    DecimalNumeralLexeme numeral_;
    CharacterLexeme comma_;
    IgnoredTextLexeme blanks_;
    TextLexeme rest_;
};

} // namespace guard
