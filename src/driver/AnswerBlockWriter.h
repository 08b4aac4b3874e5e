#pragma once
// Where a QuestionAsker puts the parts of one question's answer block.
//
// For each question the asker calls, in this order: questionText() for each
// piece of the question's text as it arrives, questionEnd() when the text is
// complete; then either error() alone, or answer() per value, error() when
// producing the values failed, time() and type() when asked for; and last
// blockEnd(). A question whose expression never started ends after
// questionEnd(). Answers and messages are given as the raw bytes; a writer
// escapes them as its format needs.
//
// AnswerLines writes the lines of an answer file into a LineReceiver: the
// question text as it is, "A: " and "E: " lines escaped, "T: " and "I: "
// lines as they are, and an empty line at the end of the block.
#include <cstdint>
#include <string_view>

#include "pipeline/LineReceiver.h"

namespace guard {

class AnswerBlockWriter {
public:
    virtual ~AnswerBlockWriter() = default;
    virtual void questionText(std::string_view text) = 0;
    virtual void questionEnd() = 0;
    virtual void answer(std::string_view text) = 0;
    virtual void error(std::string_view message) = 0;
    virtual void time(std::uint64_t microseconds) = 0;
    virtual void type(std::string_view name) = 0;
    virtual void blockEnd() = 0;
};

class AnswerLines : public AnswerBlockWriter {
public:
    explicit AnswerLines(LineReceiver& output) : output_(output) { }

    void questionText(std::string_view text) override;
    void questionEnd() override;
    void answer(std::string_view text) override;
    void error(std::string_view message) override;
    void time(std::uint64_t microseconds) override;
    void type(std::string_view name) override;
    void blockEnd() override;

protected:
    void writeLine(std::string_view header, std::string_view text, bool escaped);
    LineReceiver& output() { return output_; }

private:
    LineReceiver& output_;
};

} // namespace guard
