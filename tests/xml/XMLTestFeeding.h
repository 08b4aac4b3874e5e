#pragma once
// Helpers for the XML reader tests: feeding a document to a parser whole,
// in chunks cut at given offsets, or a byte at a time. Every chunk is copied
// into a buffer of its own, so reading past a chunk's end is caught by the
// address sanitizer.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "xml/SimpleXMLParserPL.h"

namespace guard {

inline void feedInChunks(SimpleXMLParserPL& parser, std::string_view document, const std::vector<std::size_t>& cuts)
{
    std::size_t from = 0;
    auto feed = [&](std::size_t to) {
        std::vector<char> chunk(document.begin() + from, document.begin() + to);
        parser.Parse(chunk.data(), chunk.data() + chunk.size());
        from = to;
    };
    for (std::size_t cut : cuts)
        feed(cut);
    feed(document.size());
}

inline void feedBytewise(SimpleXMLParserPL& parser, std::string_view document)
{
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < document.size(); ++i)
        cuts.push_back(i);
    feedInChunks(parser, document, cuts);
}

// Every way of cutting `document` into three chunks (empty ones included),
// which covers every two-chunk cut and the whole document too.
inline std::vector<std::vector<std::size_t>> allTwoCutSplits(std::string_view document)
{
    std::vector<std::vector<std::size_t>> splits;
    for (std::size_t i = 0; i <= document.size(); ++i)
        for (std::size_t j = i; j <= document.size(); ++j)
            splits.push_back({i, j});
    return splits;
}

// Bytes outside printable ASCII written as \xNN, so that failures are legible.
inline std::string visible(std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f) {
            out += c;
        } else {
            out += "\\x";
            out += digits[b >> 4];
            out += digits[b & 15];
        }
    }
    return out;
}

} // namespace guard
