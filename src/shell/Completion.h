#pragma once
// Completion of a question being typed, drawn from the registry.
//
// completionsAt(line, start, end) answers the texts that may replace
// line[start, end) (what the line editor calls the word: everything after
// the last operator or parenthesis, spaces included, since phrases have
// several words). Within that word the completion picks the longest tail
// that begins at a word and that some candidate begins with; the
// candidates are, after "as", the cast names; after "type", the type names
// in double quotes; elsewhere the property phrases (singular and plural)
// and the keywords. Answers are sorted and unique; each is the word with
// the tail replaced by a candidate.
#include <string>
#include <string_view>
#include <vector>

namespace guard {

// The characters that end a completion word.
inline constexpr const char* kCompletionWordBreaks = "()[];,|&=<>+-*/!";

class Vocabulary {
public:
    // The registry's words, read once.
    static const Vocabulary& get();

    std::vector<std::string> phrases; // sorted, unique
    std::vector<std::string> casts;
    std::vector<std::string> types;
    std::vector<std::string> keywords;
};

std::vector<std::string> completionsAt(std::string_view line, std::size_t start, std::size_t end);

} // namespace guard
