#pragma once
// One run of guard-shell: the context, receiver, message maker and asker
// that every question of the run goes through, and the writer that shows
// the answers (text or JSON on standard output).
//
// ask() asks one question given as text (from -e or a prompt); line ends in
// it fold into spaces, as continued lines of a question file do. askLines()
// reads a question file from a descriptor: its lines are classified as
// guard classifies them (Questioner), copied lines are written in text mode
// and dropped in JSON mode. explain() parses and binds without evaluating
// and prints the bound tree (Explainer.h). Every question that ends with an
// error is counted in failures().
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "driver/GuardReceiver.h"
#include "driver/QuestionAsker.h"
#include "pipeline/LineFlattener.h"
#include "shell/DescriptorSink.h"
#include "shell/ShellContext.h"
#include "shell/ShellMessageMaker.h"
#include "shell/ShellOptions.h"
#include "shell/TextAnswers.h"

namespace guard {

struct SessionStyle {
    bool json = false;
    bool check = false;
    bool types = false;
    bool times = false;
    bool interactive = false; // no echo of the question, a line per flush
    bool colour = false;
    std::uint64_t timeoutMicroseconds = 0;
    std::uint64_t maxAnswers = 0;
};

class Session {
public:
    explicit Session(SessionStyle style);
    ~Session();

    void ask(std::string_view question);
    // False when reading the descriptor failed (errno tells why).
    bool askLines(int descriptor);
    void explain(std::string_view question);
    bool explainLines(int descriptor);

    // Interactive toggles.
    bool types() const { return asker_->options().types; }
    bool times() const { return asker_->options().times; }
    void setTypes(bool on);
    void setTimes(bool on);

    std::uint64_t failures() const { return failures_; }
    DescriptorSink& out() { return sink_; }
    ShellContext& context() { return context_; }

private:
    class FailureCounter;
    QuestionOptions questionOptions() const;
    static bool pushDescriptorLines(int descriptor, LineReceiver& receiver);

    SessionStyle style_;
    ShellContext context_;
    DescriptorSink sink_{1};
    LineFlattener lines_{sink_, "\n"};
    ShellMessageMaker messages_{context_};
    std::unique_ptr<AnswerBlockWriter> writer_;
    std::unique_ptr<GuardReceiver> receiver_;
    std::unique_ptr<QuestionAsker> asker_;
    std::uint64_t failures_ = 0;
};

} // namespace guard
