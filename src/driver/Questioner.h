#pragma once
// Classifies the lines of a question file.
//
// A line starting with a blank (space or tab) continues the previous line:
// its leading blanks become one space and the rest goes where the previous
// line went. Any other non-empty line first closes an open question, then is
// read by the text before its first colon (up to 40 bytes, letter case
// ignored): "q" or "x-relevant-when" asks a question ("Q: " and the text
// after the colon's blanks), "a", "e", "t" and "i" drop the line, any other
// name copies "name:" and the text after the colon's blanks; a line without a
// colon, or with more than 40 bytes before it, is copied as it is. An empty
// line goes to whatever took the previous line. A copied last line without a
// line end of its own gets one. The output and the asker are started and
// finished by the mode.
#include <cstddef>
#include <string_view>

#include "pipeline/LineReceiver.h"

namespace guard {

class Questioner final : public LineReceiver {
public:
    static constexpr std::size_t kHeaderCapacity = 40;

    Questioner(LineReceiver& output, LineReceiver& asker);

    void Start(std::uint64_t position) override;
    void Text(const char* begin, const char* end) override;
    void LineEnd(std::uint64_t start, std::uint64_t end) override;
    void Finish(std::uint64_t total) override;

private:
    enum class State { LineStart, LeadingBlanks, Header, BlanksAfterColon, PassThrough };

    void beginLine();
    const char* readHeader(const char* at, const char* end);
    void classifyHeader();
    void copyHeaderText();
    std::string_view header() const { return std::string_view(header_, headerLength_); }

    LineReceiver& output_;
    LineReceiver& asker_;
    LineReceiver* current_;
    State state_ = State::LineStart;
    char header_[kHeaderCapacity];
    std::size_t headerLength_ = 0;
};

} // namespace guard
