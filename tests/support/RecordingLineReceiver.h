#pragma once
// A LineReceiver that writes down every call it gets as one text:
//   S<position> T[<text>] E<start>,<end> F<total>
// separated by blanks. Joined() gives the same trace with adjacent Text
// pieces merged, which does not depend on how the input was chunked.
// Written() gives what was written as a document: the Text bytes as they
// are, each LineEnd as "\n", Start and Finish as "{start}" and "{finish}".
#include <cstdint>
#include <string>

#include "pipeline/LineReceiver.h"

namespace guard {

class RecordingLineReceiver final : public LineReceiver {
public:
    void Start(std::uint64_t position) override
    {
        add("S" + std::to_string(position));
        written_ += "{start}";
    }
    void Text(const char* begin, const char* end) override
    {
        add("T[" + std::string(begin, end) + "]");
        written_.append(begin, end);
        if (begin == end)
            emptyText = true;
        for (const char* p = begin; p != end; ++p)
            if (*p == '\r' || *p == '\n')
                lineBreakInText = true;
        if (joined_.ends_with("]")) {
            joined_.pop_back();
            joined_.append(begin, end);
            joined_ += ']';
        } else {
            joinedAdd("T[" + std::string(begin, end) + "]");
        }
    }
    void LineEnd(std::uint64_t start, std::uint64_t end) override
    {
        add("E" + std::to_string(start) + "," + std::to_string(end));
        written_ += '\n';
        ++lineEnds;
    }
    void Finish(std::uint64_t total) override
    {
        add("F" + std::to_string(total));
        written_ += "{finish}";
    }

    const std::string& Trace() const { return trace_; }
    const std::string& Joined() const { return joined_; }
    const std::string& Written() const { return written_; }

    int lineEnds = 0;
    bool emptyText = false;
    bool lineBreakInText = false;

private:
    void add(const std::string& call)
    {
        trace_ += trace_.empty() ? call : " " + call;
        if (call[0] != 'T')
            joinedAdd(call);
    }
    void joinedAdd(const std::string& call) { joined_ += joined_.empty() ? call : " " + call; }

    std::string trace_;
    std::string joined_;
    std::string written_;
};

} // namespace guard
