#include "guard/lexer/PhraseMaker.h"

#include <cstring>
#include <string_view>

#include "guard/lexer/GuardLexicon.h"
#include "pipeline/DataOverflow.h"

namespace guard {

PhraseMaker::PhraseMaker(PhraseAcceptor& acceptor) : keywords_(guardKeywords()), acceptor_(acceptor) { clear(); }

void PhraseMaker::clear()
{
    used_ = 0;
    plainEnd_ = 0;
    restartMatching();
}

void PhraseMaker::restartMatching()
{
    range_ = SpellingRange::all(keywords_.entries);
    haveKeyword_ = false;
    scanned_ = plainEnd_;
}

void PhraseMaker::addWord(const char* begin, const char* end)
{
    std::uint32_t length = std::uint32_t(end - begin);
    if (isGuardArticle(std::string_view(begin, length)))
        return;
    if (length + 1 > kBufferSize - used_)
        throw DataOverflow();
    std::memcpy(buffer_ + used_, begin, length);
    buffer_[used_ + length] = ' ';
    used_ += length + 1;
    if (used_ == kBufferSize)
        acceptor_.RejectLongPhrase();
    scan();
}

// Feeds the words not yet matched, one at a time.
void PhraseMaker::scan()
{
    while (scanned_ < used_) {
        const char* word = buffer_ + scanned_;
        const char* end = word;
        while (*end++ != ' ') { // every word in the buffer ends with a space
        }
        range_ = range_.advanced(keywords_, word, end);
        scanned_ = std::uint32_t(end - buffer_);
        afterWord();
    }
}

void PhraseMaker::afterWord()
{
    if (range_.empty()) {
        if (haveKeyword_)
            emitKeyword();
        else
            skipPlainWord();
        return;
    }
    if (!range_.complete(keywords_.entries))
        return; // only the beginning of longer keywords so far
    if (!haveKeyword_ && plainEnd_ > 0)
        acceptor_.AcceptPhrase(buffer_, buffer_ + plainEnd_ - 1);
    lastKeyword_ = range_;
    haveKeyword_ = true;
    if (range_.candidates() == 1)
        emitKeyword();
}

// The first word after the known plain words cannot begin a keyword: it is
// plain too, and matching starts again with the word after it.
void PhraseMaker::skipPlainWord()
{
    while (buffer_[plainEnd_++] != ' ') { }
    restartMatching();
}

void PhraseMaker::emitKeyword()
{
    const GuardParsingAction& action = *keywords_.entries[lastKeyword_.low].action;
    std::uint32_t removed = plainEnd_ + lastKeyword_.depth;
    std::memmove(buffer_, buffer_ + removed, used_ - removed);
    used_ -= removed;
    plainEnd_ = 0;
    restartMatching();
    acceptor_.AcceptAction(action);
}

void PhraseMaker::endPhrase()
{
    for (;;) {
        if (haveKeyword_)
            emitKeyword();
        else if (plainEnd_ < used_)
            skipPlainWord();
        else
            break;
        scan();
    }
    if (plainEnd_ > 0)
        acceptor_.AcceptPhrase(buffer_, buffer_ + plainEnd_ - 1);
    clear();
}

} // namespace guard
