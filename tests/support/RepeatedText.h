#pragma once
// Long texts for tests: repeat() gives `count` copies of `piece` in one
// string, made by doubling (tests make megabytes of it); joined() gives its
// pieces one after another.
#include <string>
#include <string_view>

namespace guard {

inline std::string repeat(std::string_view piece, std::size_t count)
{
    if (count == 0)
        return std::string();
    std::string text(piece);
    text.reserve(piece.size() * count);
    while (text.size() * 2 <= piece.size() * count)
        text += text;
    text.append(text, 0, piece.size() * count - text.size());
    return text;
}

// The pieces one after another, appended to one string. (`"x" + text`
// inserts at the front instead, which GCC 12 at -O2 and above misreads as
// an overlapping copy: a false -Wrestrict.)
template <class... Pieces>
std::string joined(const Pieces&... pieces)
{
    std::string text;
    text.reserve((std::string_view(pieces).size() + ...));
    (text.append(std::string_view(pieces)), ...);
    return text;
}

} // namespace guard
