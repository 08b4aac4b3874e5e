#pragma once
// Line-stream stages of the push pipeline.
//
// Start(position) begins a stream of lines; Text() delivers a piece of the
// current line (never containing CR or LF; one line may come in several
// pieces, an empty line in none); LineEnd(start, end) ends the current line,
// giving the stream positions of its terminator (0, 0 for synthesised lines);
// Finish(total) ends the stream with the count of bytes seen.
#include <cstdint>

namespace guard {

class LineReceiver {
public:
    virtual ~LineReceiver() = default;
    virtual void Start(std::uint64_t position) = 0;
    virtual void Text(const char* begin, const char* end) = 0;
    virtual void LineEnd(std::uint64_t start, std::uint64_t end) = 0;
    virtual void Finish(std::uint64_t total) = 0;
};

} // namespace guard
