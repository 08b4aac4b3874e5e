#pragma once
// Asks one question at a time and writes its answer block.
//
// Start() begins a question (the "Q: " is already written), Text() feeds its
// text and echoes it to the writer, line ends inside a question are ignored,
// and Finish() completes the question and writes, in order: an error and the
// end of the block when the question could not be read, parsed, bound or
// converted; otherwise one answer per value, an error if producing the
// values failed, the time (microseconds) with times, the type with types,
// and the end of the block. Made on a LineReceiver, the block is written as
// the lines of an answer file (AnswerLines).
//
// Two options serve callers other than the answer-file mode, which leaves
// them off: without `evaluate` the question is parsed, bound and converted
// but no value is produced; with `maxAnswers` (0: no limit) a question that
// has a value beyond that many answers is stopped there with an error.
// failed() tells whether the last question's block had an error.
#include <cstdint>

#include "driver/AnswerBlockWriter.h"
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
    bool evaluate = true;
    std::uint64_t maxAnswers = 0;
};

class QuestionAsker final : public LineReceiver {
public:
    QuestionAsker(LineReceiver& output, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                  QuestionOptions options);
    QuestionAsker(AnswerBlockWriter& writer, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                  QuestionOptions options);

    void Start(std::uint64_t position) override;
    void Text(const char* begin, const char* end) override;
    void LineEnd(std::uint64_t start, std::uint64_t end) override;
    void Finish(std::uint64_t total) override;

    bool failed() const { return failed_; }
    const QuestionOptions& options() const { return options_; }
    void setOptions(QuestionOptions options) { options_ = options; }

private:
    void writeMessage();
    void writeResults();
    void writeTrailer();

    AnswerLines lines_;
    AnswerBlockWriter& writer_;
    GuardReceiver& receiver_;
    ExpressionMessageMaker& messages_;
    QuestionOptions options_;
    Stopwatch stopwatch_;
    bool failed_ = false;
    const bool echo_ = true;
};

} // namespace guard
