#pragma once
// The fixed vocabulary of the expression lexer: the keyword table (every
// spelling ends in one space, as phrases are matched word by word), the
// operator table and the articles that phrases drop. Both tables are sorted
// by byte value; the matchers rely on it.
#include <span>
#include <string_view>

#include "guard/parser/GuardParsingAction.h"
#include "syntax/SpellingRange.h"

namespace guard {

const SpellingTable& guardKeywords();
const SpellingTable& guardOperators();

// "a", "an" and "the".
inline bool isGuardArticle(std::string_view word) { return word == "a" || word == "an" || word == "the"; }

} // namespace guard
