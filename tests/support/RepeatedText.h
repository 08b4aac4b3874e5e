#pragma once
// `count` copies of `piece` in one string, made by doubling (tests make
// megabytes of it).
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

} // namespace guard
