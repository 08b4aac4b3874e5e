// Positions and substrings: the types "substring" and "string position" and
// the rows that cut a string into views of itself. No row here copies text:
// every result points into its operand.
#include "Inspectors/Portable/StringValues.h"
#include "registry/Inspectors.h"

#include <string_view>

namespace guard {

namespace {

// A key that is a valid offset or count in a string of `length` bytes.
bool within(std::int64_t key, std::uint32_t length) { return key >= 0 && key <= std::int64_t(length); }

std::optional<StringPosition> positionOf(std::int64_t key, const String& text)
{
    if (!within(key, text.length))
        return std::nullopt;
    return StringPosition{key, text};
}

// "positions of S": 0 to the length inclusive.
class Positions {
public:
    bool first(StringPosition& out, const String& text)
    {
        out = StringPosition{0, text};
        whole_ = text;
        at_ = 0;
        return true;
    }
    bool next(StringPosition& out)
    {
        if (at_ >= whole_.length)
            return false;
        out = StringPosition{++at_, whole_};
        return true;
    }

private:
    String whole_;
    std::int64_t at_ = 0;
};

Substring precedingTextOfPosition(const StringPosition& position)
{
    return Substring::of(position.whole, 0, std::uint32_t(position.offset));
}

Substring followingTextOfPosition(const StringPosition& position)
{
    auto offset = std::uint32_t(position.offset);
    return Substring::of(position.whole, offset, position.whole.length - offset);
}

std::optional<Substring> firstBytes(std::int64_t count, const String& text)
{
    if (!within(count, text.length))
        return std::nullopt;
    return Substring::of(text, 0, std::uint32_t(count));
}

std::optional<Substring> lastBytes(std::int64_t count, const String& text)
{
    if (!within(count, text.length))
        return std::nullopt;
    return Substring::of(text, text.length - std::uint32_t(count), std::uint32_t(count));
}

std::optional<Substring> substringAt(const Tuple<std::int64_t, std::int64_t>& startAndLength, const String& text)
{
    std::int64_t start = startAndLength.get<0>();
    std::int64_t length = startAndLength.get<1>();
    if (!within(start, text.length) || !within(length, text.length) || start + length > std::int64_t(text.length))
        return std::nullopt;
    return Substring::of(text, std::uint32_t(start), std::uint32_t(length));
}

std::optional<Substring> firstOccurrence(const String& sought, const String& text)
{
    std::size_t at = text.view().find(sought.view());
    if (at == std::string_view::npos)
        return std::nullopt;
    return Substring::of(text, std::uint32_t(at), sought.length);
}

std::optional<Substring> lastOccurrence(const String& sought, const String& text)
{
    std::size_t at = text.view().rfind(sought.view());
    if (at == std::string_view::npos)
        return std::nullopt;
    return Substring::of(text, std::uint32_t(at), sought.length);
}

std::optional<Substring> characterOf(std::int64_t index, const String& text)
{
    if (index < 0 || index >= std::int64_t(text.length))
        return std::nullopt;
    return Substring::of(text, std::uint32_t(index), 1);
}

// "characters of S": every byte as a one-byte substring.
class Characters {
public:
    bool first(Substring& out, const String& text)
    {
        whole_ = text;
        at_ = 0;
        return next(out);
    }
    bool next(Substring& out)
    {
        if (at_ >= whole_.length)
            return false;
        out = Substring::of(whole_, at_++, 1);
        return true;
    }

private:
    String whole_;
    std::uint32_t at_ = 0;
};

// "substrings T of S": every occurrence of T, each search starting one byte
// after the previous occurrence's start, so overlapping occurrences all
// count. The empty T occurs at every offset, the end included.
class Occurrences {
public:
    bool first(Substring& out, const String& sought, const String& text)
    {
        sought_ = sought;
        whole_ = text;
        return findFrom(out, 0);
    }
    bool next(Substring& out) { return findFrom(out, from_); }

private:
    bool findFrom(Substring& out, std::size_t from)
    {
        if (from > whole_.length)
            return false;
        std::size_t at = whole_.view().find(sought_.view(), from);
        if (at == std::string_view::npos)
            return false;
        out = Substring::of(whole_, std::uint32_t(at), sought_.length);
        from_ = at + 1;
        return true;
    }
    String sought_;
    String whole_;
    std::size_t from_ = 0;
};

StringPosition startOf(const Substring& part) { return StringPosition{part.start(), part.whole}; }
StringPosition endOf(const Substring& part) { return StringPosition{part.end(), part.whole}; }
Substring precedingTextOf(const Substring& part) { return Substring::of(part.whole, 0, part.start()); }
Substring followingTextOf(const Substring& part)
{
    return Substring::of(part.whole, part.end(), part.whole.length - part.end());
}

} // namespace

GUARD_INSPECTORS(type<Substring>(), type<StringPosition>(),
                 property<Shape::KeyedOf, positionOf>("position", "positions"),
                 iterated<Shape::Of, Positions>("position", "positions"),
                 property<Shape::KeyedOf, firstBytes>("first", "firsts"),
                 property<Shape::KeyedOf, lastBytes>("last", "lasts"),
                 property<Shape::KeyedOf, substringAt>("substring", "substrings"),
                 property<Shape::KeyedOf, firstOccurrence>("first", "firsts"),
                 property<Shape::KeyedOf, lastOccurrence>("last", "lasts"),
                 property<Shape::KeyedOf, characterOf>("character", "characters"),
                 iterated<Shape::Of, Characters>("character", "characters"),
                 iterated<Shape::KeyedOf, Occurrences>("substring", "substrings"),
                 property<Shape::Of, precedingTextOfPosition>("preceding text", "preceding texts"),
                 property<Shape::Of, followingTextOfPosition>("following text", "following texts"),
                 property<Shape::Of, startOf>("start", "starts"), property<Shape::Of, endOf>("end", "ends"),
                 property<Shape::Of, precedingTextOf>("preceding text", "preceding texts"),
                 property<Shape::Of, followingTextOf>("following text", "following texts"))

} // namespace guard
