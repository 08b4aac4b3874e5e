#pragma once
// Whether a question typed so far goes on on the next line: while a string
// ("...") or a block comment (/* ... */) is open, or more parentheses have
// been opened than closed. More closing than opening parentheses does not continue: the parser
// reports it.
#include <string_view>

namespace guard {

bool questionContinues(std::string_view text);

} // namespace guard
