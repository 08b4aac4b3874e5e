#pragma once
// A GuardLexemeAcceptor that writes every token as text, for lexer tests:
// phrases as phrase(words), keywords and operators by their terminal (with
// [code swap neg] for operator actions), constants with their offsets.
// An error is written as !Name and stops the input (StopLexing), as the
// parser's exception would.
#include <string>

#include "guard/lexer/GuardLexemeAcceptor.h"

namespace guard {

struct StopLexing { };

class GuardTokenRecorder : public GuardLexemeAcceptor {
public:
    std::string log;

    static std::string describe(const GuardParsingAction& action);

    void AcceptAction(const GuardParsingAction& action) override { add(describe(action)); }
    void AcceptPhrase(const char* begin, const char* end) override { add("phrase(" + std::string(begin, end) + ")"); }
    void RejectLongPhrase() override { stop("PhraseTooLong"); }
    void RejectLongWord() override { stop("WordTooLong"); }

    void AcceptAction(TextOffset start, TextOffset end, const GuardParsingAction& action) override
    {
        add(describe(action) + at(start, end));
    }
    void RejectInvalidOperator(TextOffset start, TextOffset end) override { stop("InvalidOperator" + at(start, end)); }

    void AcceptString(TextOffset start, TextOffset end, const char* begin, const char* bytesEnd) override;
    void RejectLongString(TextOffset start, TextOffset end) override { stop("StringTooLong" + at(start, end)); }
    void RejectUnfinishedString(TextOffset start, TextOffset end) override
    {
        stop("UnfinishedString" + at(start, end));
    }
    void RejectBadEscape(TextOffset start, TextOffset) override { stop("BadEscape@" + std::to_string(start)); }

    void AcceptNumeral(TextOffset start, TextOffset end, std::uint32_t low, std::uint32_t high) override
    {
        add(std::to_string((std::uint64_t(high) << 32) | low) + at(start, end));
    }
    void RejectLargeNumeral(TextOffset start, TextOffset end) override { stop("NumeralTooLarge" + at(start, end)); }

    void AcceptCharacter(TextOffset start, TextOffset end, unsigned char byte) override;
    void RejectUnfinishedComment(TextOffset start, TextOffset end) override
    {
        stop("UnfinishedComment" + at(start, end));
    }

    void ResetInput() override { log.clear(); }
    void EndInput(TextOffset) override { }

private:
    static std::string at(TextOffset start, TextOffset end)
    {
        return "@" + std::to_string(start) + "-" + std::to_string(end);
    }
    void add(const std::string& token)
    {
        if (!log.empty())
            log += ' ';
        log += token;
    }
    [[noreturn]] void stop(const std::string& error)
    {
        add("!" + error);
        throw StopLexing();
    }
};

} // namespace guard
