// How the question file's lines are classified: questions, dropped answer
// lines, copied lines, continuations and empty lines, whatever the chunking.
#include <gtest/gtest.h>

#include <string>

#include "driver/Questioner.h"
#include "pipeline/LineMaker.h"

namespace guard {

namespace {

// Writes what the output and the asker receive into one trace: output text
// as-is, output line ends as "|", asker calls in angle brackets.
class Trace {
public:
    class Sink final : public LineReceiver {
    public:
        Sink(Trace& trace, bool asker) : trace_(trace), asker_(asker) { }
        void Start(std::uint64_t) override { trace_.add(asker_, "<start>"); }
        void Text(const char* begin, const char* end) override { trace_.text(asker_, std::string(begin, end)); }
        void LineEnd(std::uint64_t, std::uint64_t) override { trace_.add(asker_, asker_ ? "<end>" : "|"); }
        void Finish(std::uint64_t) override { trace_.add(asker_, "<finish>"); }

    private:
        Trace& trace_;
        bool asker_;
    };

    void add(bool asker, const std::string& call)
    {
        (void)asker;
        text_ = Kind::None;
        trace_ += call;
    }
    void text(bool asker, const std::string& text)
    {
        Kind kind = asker ? Kind::Asker : Kind::Output;
        if (text_ == kind && asker)
            trace_.insert(trace_.size() - 1, text);
        else if (asker)
            trace_ += "<" + text + ">";
        else
            trace_ += text;
        text_ = kind;
    }
    const std::string& str() const { return trace_; }

private:
    enum class Kind { None, Output, Asker };
    std::string trace_;
    Kind text_ = Kind::None;
};

std::string classify(const std::string& input, std::size_t split)
{
    Trace trace;
    Trace::Sink output(trace, false);
    Trace::Sink asker(trace, true);
    Questioner questioner(output, asker);
    LineMaker lines(questioner);
    lines.Start();
    lines.Receive(input.data(), input.data() + split);
    lines.Receive(input.data() + split, input.data() + input.size());
    lines.Finish();
    return trace.str();
}

struct Case {
    const char* input;
    const char* trace;
};

const Case kCases[] = {
    {"Q: 1\n", "Q: <start><1><end><finish>"},
    {"q:1\r\n", "Q: <start><1><end><finish>"},
    {"Q:   1", "Q: <start><1><finish>"},
    {"X-Relevant-When: 1\n", "Q: <start><1><end><finish>"},
    // A blank before the colon makes another header name: copied.
    {"Q : 1\n", "Q :1|"},
    // Continuations join with one space; the question closes at the next line.
    {"Q: 1 +\n   2\nNote: x\n", "Q: <start><1 +><end>< 2><end><finish>Note:x|"},
    {"Q: 1\n\n  more\n", "Q: <start><1><end><end>< more><end><finish>"},
    // Answer, error, time and type lines are dropped with their continuations.
    {"A: 5\ne: boom\n  still dropped\nT: 17\nI: integer\n", ""},
    {"Q: 1\nA: 1\n\nQ: 2\n", "Q: <start><1><end><finish>Q: <start><2><end><finish>"},
    // Other lines are copied, the blanks after the colon skipped.
    {"Note:  hello\njust text\n\n", "Note:hello|just text||"},
    {"Note: a\n  b\n", "Note:a| b|"},
    {"  leading\n", " leading|"},
    {"", ""},
    // A copied last line ends like any other; a dropped one writes nothing.
    {"no line end", "no line end|"},
    {"Note:", "Note:|"},
    {"Note: a\n  b", "Note:a| b|"},
    {"A: 1", ""},
    // More than 40 bytes before the colon: copied as it is.
    {"0123456789012345678901234567890123456789x: y\n", "0123456789012345678901234567890123456789x: y|"},
    {"012345678901234567890123456789012345678: y\n", "012345678901234567890123456789012345678:y|"},
};

TEST(Questioner, ClassifiesLinesWhateverTheChunking)
{
    for (const Case& c : kCases) {
        std::string input = c.input;
        for (std::size_t split = 0; split <= input.size(); ++split)
            ASSERT_EQ(classify(input, split), c.trace) << "input \"" << c.input << "\" split at " << split;
    }
}

} // namespace

} // namespace guard
