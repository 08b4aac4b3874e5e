#pragma once
// One JSON object per question, on a line of its own:
//   {"question": "...", "answers": ["...", ...], "error": "..." or null,
//    "type": "..." or null, "time_us": N or null}
// Answers and messages are the raw texts (not the %-escaping of answer
// files), written as JSON strings (JsonText.h). "type" and "time_us" are
// null when the question failed before it was evaluated. Answers are
// streamed as they come; the object is completed at the end of the block.
#include <cstdint>
#include <string>

#include "driver/AnswerBlockWriter.h"
#include "shell/DescriptorSink.h"

namespace guard {

class JsonAnswers final : public AnswerBlockWriter {
public:
    explicit JsonAnswers(DescriptorSink& sink) : sink_(sink) { }

    void questionText(std::string_view text) override { question_.append(text); }
    void questionEnd() override;
    void answer(std::string_view text) override;
    void error(std::string_view message) override;
    void time(std::uint64_t microseconds) override;
    void type(std::string_view name) override;
    void blockEnd() override;

private:
    DescriptorSink& sink_;
    std::string question_; // kept, and its capacity reused, across questions
    std::string error_;
    std::string type_;
    std::uint64_t time_ = 0;
    bool open_ = false;
    bool hasError_ = false;
    bool hasType_ = false;
    bool hasTime_ = false;
    bool firstAnswer_ = true;
};

} // namespace guard
