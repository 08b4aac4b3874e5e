#pragma once
// A word looked up in a table of reserved words.
//
// The table is sorted by byte order of the spellings (a shorter spelling
// before the longer ones it begins); a word matches an entry of exactly its
// length. A found word goes to AcceptReservedWord with the entry's action and
// extra value, any other word to AcceptUnknownWord, and a word too long for
// the buffer to RejectLongWord (see WordLexeme for the length rule).
#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "syntax/WordLexeme.h"

namespace guard {

template <class Action>
struct ReservedWord {
    std::string_view spelling;
    Action action;
    std::uint32_t extra;
};

template <class Action>
class ReservedWordLexeme final : public Lexeme, private WordLexemeAcceptor {
public:
    ReservedWordLexeme(const CharacterSet& continuation, char* buffer, std::size_t size,
                       std::span<const ReservedWord<Action>> table, ReservedWordAcceptor<Action>& acceptor,
                       CopyFilter filter = nullptr)
        : word_(continuation, buffer, size, *this, filter), table_(table), acceptor_(acceptor)
    {
    }

    void Begin(TextOffset start) override { word_.Begin(start); }
    void Accept(TextOffset start, TextOffset position, LexemeCursor& cursor) override
    {
        word_.Accept(start, position, cursor);
    }
    void End(TextOffset start, TextOffset position) override { word_.End(start, position); }

private:
    void AcceptWord(TextOffset start, TextOffset end, const char* text, const char* textEnd) override
    {
        std::string_view word(text, std::size_t(textEnd - text));
        auto found = std::lower_bound(
            table_.begin(), table_.end(), word,
            [](const ReservedWord<Action>& entry, std::string_view key) { return entry.spelling < key; });
        if (found != table_.end() && found->spelling == word)
            acceptor_.AcceptReservedWord(start, end, found->action, found->extra);
        else
            acceptor_.AcceptUnknownWord(start, end, text, textEnd);
    }
    void RejectLongWord(TextOffset start, TextOffset end) override { acceptor_.RejectLongWord(start, end); }

    WordLexeme word_;
    std::span<const ReservedWord<Action>> table_;
    ReservedWordAcceptor<Action>& acceptor_;
};

} // namespace guard
