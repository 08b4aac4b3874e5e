#pragma once
// Splits a run of words into plain phrases and keywords.
//
// Words arrive lower-cased, one by one. Articles are dropped; every other
// word is appended with one space to the phrase buffer and matched against
// the keyword table, at word granularity, by longest match: a keyword is
// emitted (AcceptAction) only when no longer keyword can still match, and
// the plain words before it go out first as one phrase (AcceptPhrase). A
// word that cannot begin a keyword from where it stands is plain, and
// matching restarts after it with the words that follow (rescan).
//
// At the end of the run, remembered keywords are emitted; words that at that
// moment only begin a longer keyword ("does not", "there", "starts") are
// taken as plain words, as they would be had any non-keyword word followed
// them, and the plain words go out as one phrase.
//
// The buffer holds 512 bytes: a word (with its space) that does not fit into
// what is left raises DataOverflow; one that fills it exactly is reported
// with RejectLongPhrase.
#include <cstdint>

#include "guard/lexer/GuardLexemeAcceptor.h"
#include "syntax/SpellingRange.h"

namespace guard {

class PhraseMaker {
public:
    static constexpr std::uint32_t kBufferSize = 512;

    explicit PhraseMaker(PhraseAcceptor& acceptor);

    void clear();
    void addWord(const char* begin, const char* end);
    void endPhrase();

private:
    void scan();
    void afterWord();
    void skipPlainWord();
    void emitKeyword();
    void restartMatching();

    const SpellingTable& keywords_;
    PhraseAcceptor& acceptor_;
    std::uint32_t used_ = 0;     // bytes in the buffer
    std::uint32_t plainEnd_ = 0; // the plain words known so far end here
    std::uint32_t scanned_ = 0;  // the matcher has been fed up to here
    SpellingRange range_;
    SpellingRange lastKeyword_; // the longest complete keyword seen so far
    bool haveKeyword_ = false;
    char buffer_[kBufferSize];
};

} // namespace guard
