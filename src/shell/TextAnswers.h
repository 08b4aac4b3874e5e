#pragma once
// The answer block as people read it: the answer-file lines ("A: ", "E: ",
// "T: ", "I: ") with LF line ends, answers and messages escaped as in an
// answer file, so that the output of a script can be read again as a
// question file.
//
// With `echo` the question's text completes a "Q: " line that the caller
// began and the block ends with an empty line (the answer-file layout);
// without it (the interactive shell, where the question is on the screen
// already) neither is written. With `colour` the headers are coloured with
// ANSI sequences: answers green, errors red, time and type dim. With
// `flushEachLine` every line is flushed at once (a terminal sees each answer
// as it comes); otherwise at the end of each block.
#include "driver/AnswerBlockWriter.h"
#include "shell/DescriptorSink.h"

namespace guard {

struct TextStyle {
    bool echo = true;
    bool colour = false;
    bool flushEachLine = false;
};

class TextAnswers final : public AnswerBlockWriter {
public:
    TextAnswers(LineReceiver& lines, DescriptorSink& sink, TextStyle style) : lines_(lines), sink_(sink), style_(style)
    {
    }

    void questionText(std::string_view text) override;
    void questionEnd() override;
    void answer(std::string_view text) override;
    void error(std::string_view message) override;
    void time(std::uint64_t microseconds) override;
    void type(std::string_view name) override;
    void blockEnd() override;

private:
    void line(std::string_view colour, std::string_view header, std::string_view text, bool escaped);

    LineReceiver& lines_;
    DescriptorSink& sink_;
    TextStyle style_;
};

} // namespace guard
