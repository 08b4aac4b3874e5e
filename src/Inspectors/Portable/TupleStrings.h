#pragma once
// Reading a tuple string: items separated by a comma and one blank (", "),
// where a comma inside parentheses does not separate, and an item written
// whole in parentheses as "( text )" stands for its text (the parentheses
// and exactly one blank at each end removed; only the outermost pair, so
// "( ( a, b ) )" is the item "( a, b )").
//
// A comma not followed by a blank, or an item in parentheses without its
// inner blanks, throws BadTupleString; parentheses that do not balance
// throw MismatchedParentheses. The empty text has no items. An item that
// merely begins with "(", such as "(a) b", is taken as written.
#include <cstddef>
#include <string_view>

#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(BadTupleString, DebuggableException);
GUARD_EXCEPTION(MismatchedParentheses, DebuggableException);

class TupleStringReader {
public:
    explicit TupleStringReader(std::string_view text) : text_(text), done_(text.empty()) { }

    // The next item, a view into the text; false after the last one.
    bool next(std::string_view& item);

private:
    std::string_view text_;
    std::size_t at_ = 0;
    bool done_;
};

// The number of items of `text`, every item checked; throws as above.
std::size_t checkTupleString(std::string_view text);

} // namespace guard
