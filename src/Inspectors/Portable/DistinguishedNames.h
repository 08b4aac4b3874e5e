#pragma once
// Reading a directory distinguished name ("CN=Ann,OU=Sales,DC=example") into
// its elements, each kept as its own "type=value" text (a view into the
// name, escapes as written).
//
// Elements are separated by commas that are neither escaped by a backslash
// nor inside double quotes. Blanks around an element (after a comma, before
// the next) are not part of it; an escaped blank ("\ ") is. Every element
// needs an "=" with a type before it. The empty text is the empty name, with
// no elements. A name is refused (BadDistinguishedName) for an empty
// element, an element without type or "=", a backslash at the very end or
// an unclosed quote.
#include <cstddef>
#include <string_view>

#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(BadDistinguishedName, DebuggableException);

class DistinguishedNameReader {
public:
    explicit DistinguishedNameReader(std::string_view name) : name_(name), done_(name.empty()) { }

    // The next element; false after the last one.
    bool next(std::string_view& element);

private:
    std::string_view name_;
    std::size_t at_ = 0;
    bool done_;
};

// The number of elements of `name`, every element checked; throws as above.
std::size_t checkDistinguishedName(std::string_view name);

// The parts of an element around its first "=".
std::string_view elementType(std::string_view element);
std::string_view elementValue(std::string_view element);

} // namespace guard
