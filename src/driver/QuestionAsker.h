#pragma once
// Asks one question at a time and writes its answer block.
//
// Start() begins a question (the "Q: " is already written), Text() feeds its
// text and echoes it to the output, line ends inside a question are ignored,
// and Finish() completes the "Q: " line and writes, in order: "E: " and an
// empty line when the question could not be read, parsed, bound or
// converted; otherwise one "A: " line per value, an "E: " line if producing
// the values failed, "T: " (microseconds) with times, "I: " (the type) with
// types, and an empty line. Answers and messages are escaped.
#include "driver/ExpressionMessageMaker.h"
#include "driver/GuardReceiver.h"
#include "driver/Stopwatch.h"
#include "pipeline/LineReceiver.h"

namespace guard {

struct QuestionOptions {
    bool showErrors = false;
    bool times = false;
    bool answers = true;
    bool types = false;
};

class QuestionAsker final : public LineReceiver {
public:
    QuestionAsker(LineReceiver& output, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                  QuestionOptions options);

    void Start(std::uint64_t position) override;
    void Text(const char* begin, const char* end) override;
    void LineEnd(std::uint64_t start, std::uint64_t end) override;
    void Finish(std::uint64_t total) override;

private:
    void writeLine(std::string_view header, std::string_view text, bool escaped);
    void writeMessageLine();
    void writeEmptyLine();
    void writeResults();

    LineReceiver& output_;
    GuardReceiver& receiver_;
    ExpressionMessageMaker& messages_;
    QuestionOptions options_;
    Stopwatch stopwatch_;
    bool failed_ = false;
    const bool echo_ = true;
};

} // namespace guard
