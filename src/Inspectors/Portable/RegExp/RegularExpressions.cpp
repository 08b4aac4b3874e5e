// The regular expression rows: compiling ("regex", "case insensitive regex"
// and their long forms), the string operators, "matches", "first match" and
// the parenthesized parts of a match.
#include "Inspectors/Portable/RegExp/RegularExpressions.h"

#include <cassert>
#include <string>
#include <string_view>

#include "registry/InspectorErrors.h"
#include "registry/Inspectors.h"

namespace guard {

namespace {

thread_local std::uint64_t compilations = 0;

} // namespace

std::uint64_t regexCompilations() { return compilations; }

std::size_t searchableEnd(const String& subject, std::size_t from)
{
    assert(from <= subject.length);
    std::size_t end = subject.view().find('\0', from);
    return end == std::string_view::npos ? subject.length : end;
}

bool searchFrom(const RegularExpression& expression, const String& subject, std::size_t from, regmatch_t* groups,
                std::size_t count)
{
    std::size_t end = searchableEnd(subject, from);
    groups[0].rm_so = regoff_t(from);
    groups[0].rm_eo = regoff_t(end);
    int flags = REG_STARTEND | (from != 0 ? REG_NOTBOL : 0);
    int code = regexecA(expression.compiled, subject.data ? subject.data : "", count, groups, flags);
    if (code == 0)
        return true;
    if (code == REG_NOMATCH)
        return false;
    throw RegExec_Failed(code);
}

namespace {

// "regex KEY" and its kin, a plural property of one value: the state keeps
// the pattern it compiled last and compiles again only for another pattern,
// so a regex in a whose clause is compiled once. A pattern that does not
// compile has no value. The pattern ends at its first NUL byte.
template <int kFlags>
class Compiled {
public:
    Compiled() = default;
    Compiled(const Compiled&) = delete;
    Compiled& operator=(const Compiled&) = delete;
    ~Compiled() { forget(); }

    bool first(RegularExpression& out, const String& pattern)
    {
        if (!compiled_ || pattern.view() != pattern_) {
            forget();
            pattern_.assign(pattern.view());
            ++compilations;
            if (regcompA(&expression_, pattern_.c_str(), kFlags) != 0)
                throw NoSuchObject();
            compiled_ = true;
        }
        out = RegularExpression{&expression_, pattern, kFlags};
        return true;
    }
    bool next(RegularExpression&) { return false; }

private:
    void forget()
    {
        if (compiled_)
            regfreeA(&expression_);
        compiled_ = false;
    }

    std::string pattern_;
    regex_tA expression_{};
    bool compiled_ = false;
};

using Regex = Compiled<REG_EXTENDED>;
using CaseInsensitiveRegex = Compiled<REG_EXTENDED | REG_ICASE>;

// The leftmost match from the start of `subject`, whole-match offsets only.
bool leftmost(const RegularExpression& expression, const String& subject, regmatch_t& whole)
{
    return searchFrom(expression, subject, 0, &whole, 1);
}

bool stringContainsRegex(const String& subject, const RegularExpression& expression)
{
    regmatch_t whole;
    return leftmost(expression, subject, whole);
}

bool stringMatchesRegex(const String& subject, const RegularExpression& expression)
{
    regmatch_t whole;
    return leftmost(expression, subject, whole) && whole.rm_so == 0 && whole.rm_eo == regoff_t(subject.length);
}

bool regexMatchesString(const RegularExpression& expression, const String& subject)
{
    return stringMatchesRegex(subject, expression);
}

bool stringStartsWithRegex(const String& subject, const RegularExpression& expression)
{
    regmatch_t whole;
    return leftmost(expression, subject, whole) && whole.rm_so == 0;
}

// True when some match ends at the end of the subject: each search that
// ends elsewhere is followed by one starting a byte later.
bool stringEndsWithRegex(const String& subject, const RegularExpression& expression)
{
    regmatch_t whole;
    std::size_t start = 0;
    if (!searchFrom(expression, subject, start, &whole, 1))
        return false;
    while (whole.rm_eo != regoff_t(subject.length)) {
        if (start >= subject.length)
            return false;
        if (!searchFrom(expression, subject, ++start, &whole, 1))
            return false;
    }
    return true;
}

// "matches RE of S": each search starts one byte after the previous match's
// start, so matches may overlap; the groups of each match are kept in the
// current thread's allocator.
class Matches {
public:
    bool first(RegularExpressionMatch& out, const RegularExpression& expression, const String& subject)
    {
        expression_ = expression;
        subject_ = subject;
        return searchAt(out, 0);
    }
    bool next(RegularExpressionMatch& out)
    {
        if (nextStart_ >= subject_.length)
            return false;
        return searchAt(out, nextStart_);
    }

protected:
    bool searchAt(RegularExpressionMatch& out, std::size_t from)
    {
        std::size_t count = expression_.compiled->re_nsub + 1;
        auto* groups = static_cast<regmatch_t*>(currentAllocator().allocate(count * sizeof(regmatch_t)));
        if (!searchFrom(expression_, subject_, from, groups, count))
            return false;
        auto start = std::uint32_t(groups[0].rm_so), end = std::uint32_t(groups[0].rm_eo);
        out = RegularExpressionMatch{Substring::of(subject_, start, end - start), groups, count};
        nextStart_ = std::size_t(start) + 1;
        return true;
    }

    RegularExpression expression_{};
    String subject_;
    std::size_t nextStart_ = 0;
};

// "first match RE of S": the leftmost match, or none.
class FirstMatch : public Matches {
public:
    bool next(RegularExpressionMatch&) { return false; }
};

// A group that did not take part in the match has no text: its
// "parenthesized part" has no value, and "parenthesized parts" leaves it out.
bool tookPart(const regmatch_t& group) { return group.rm_so >= 0 && group.rm_eo >= group.rm_so; }

Substring groupText(const RegularExpressionMatch& match, std::uint64_t index)
{
    const regmatch_t& group = match.groups[index];
    auto start = std::uint32_t(group.rm_so);
    return Substring::of(match.match.whole, start, std::uint32_t(group.rm_eo) - start);
}

std::optional<Substring> parenthesizedPart(std::int64_t index, const RegularExpressionMatch& match)
{
    if (index < 1 || std::uint64_t(index) >= match.groupCount || !tookPart(match.groups[index]))
        return std::nullopt;
    return groupText(match, std::uint64_t(index));
}

class ParenthesizedParts {
public:
    bool first(Substring& out, const RegularExpressionMatch& match)
    {
        match_ = match;
        at_ = 1;
        return next(out);
    }
    bool next(Substring& out)
    {
        while (at_ < match_.groupCount && !tookPart(match_.groups[at_]))
            ++at_;
        if (at_ >= match_.groupCount)
            return false;
        out = groupText(match_, at_++);
        return true;
    }

private:
    RegularExpressionMatch match_{};
    std::uint64_t at_ = 1;
};

} // namespace

GUARD_INSPECTORS(type<RegularExpression>(), type<RegularExpressionMatch>(),
                 iterated<Shape::KeyedOf, Matches>("match", "matches"),
                 iterated<Shape::KeyedOf, FirstMatch>("first match", "first matches"),
                 binary<kContains, stringContainsRegex>(), binary<kEqual, stringMatchesRegex>(),
                 binary<kStartsWith, stringStartsWithRegex>(), binary<kEndsWith, stringEndsWithRegex>(),
                 iterated<Shape::Keyed, Regex>("regex", "regexes"),
                 iterated<Shape::Keyed, Regex>("regular expression", "regular expressions"),
                 iterated<Shape::Keyed, CaseInsensitiveRegex>("case insensitive regex", "case insensitive regexes"),
                 iterated<Shape::Keyed, CaseInsensitiveRegex>("case insensitive regular expression",
                                                              "case insensitive regular expressions"),
                 binary<kEqual, regexMatchesString>(),
                 iterated<Shape::Of, ParenthesizedParts>("parenthesized part", "parenthesized parts"),
                 property<Shape::KeyedOf, parenthesizedPart>("parenthesized part", "parenthesized parts"))

} // namespace guard
