#pragma once
// Regular expressions on the POSIX-style interface of Boost.Regex: the types
// "regular expression" and "regular expression match" and the search that
// every row runs.
//
// The flavour is POSIX extended as Boost implements it: leftmost-longest,
// Boost's \d \w \s inside and outside brackets; back-references, lazy
// quantifiers and inline flags do not compile. Groups are numbered by their
// opening parenthesis. Never include <regex.h> beside this header: the two
// define the same REG_* names.
#include <cstdint>

#include <boost/regex.h>

#include "Inspectors/Portable/RegExp/RegexCompilations.h"
#include "Inspectors/Portable/StringValues.h"
#include "platform/DebuggableException.h"

namespace guard {

// A matcher failure other than "no match" (Boost's complexity limit among
// them), with the matcher's code.
class RegExec_Failed : public DebuggableException {
public:
    explicit RegExec_Failed(int code) : code_(code) { }
    int code() const { return code_; }

private:
    int code_;
};

// The compiled pattern belongs to the node that made the value (its state
// keeps the last pattern it compiled), so the value is valid as long as the
// node is.
struct RegularExpression {
    const regex_tA* compiled;
    String pattern;
    std::int64_t flags;
};

// The whole match as a substring of the subject, then the offsets of every
// group in the subject (group 0 the whole match; -1 for a group that did not
// take part), kept in the current thread's allocator.
struct RegularExpressionMatch {
    Substring match;
    const regmatch_t* groups;
    std::uint64_t groupCount; // group 0 included
};

template <>
struct GuardType<RegularExpression> {
    static constexpr const char* name = "regular expression";
};

template <>
struct GuardType<RegularExpressionMatch> {
    static constexpr const char* name = "regular expression match";
    static constexpr std::uint32_t valueSize = 20; // the size the language gives it
    static constexpr const char* base = "substring";
};

// Where a search that starts at byte `from` (at most the length) sees the
// subject end: at the first NUL byte from there on, or at the end. A search
// that starts past a NUL byte sees the text after it.
std::size_t searchableEnd(const String& subject, std::size_t from);

// Searches `subject` from byte `from` (at most its length) on, as if the
// matcher were handed a copy of the subject from there up to its searchable
// end, without copying it, not at the beginning of a line when `from` is not
// 0. On a match fills `groups[0..count)` with offsets in the whole subject and
// returns true; no match is false; any other result throws RegExec_Failed.
// `count` >= 1.
bool searchFrom(const RegularExpression& expression, const String& subject, std::size_t from, regmatch_t* groups,
                std::size_t count);

} // namespace guard
