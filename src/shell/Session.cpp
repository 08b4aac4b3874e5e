#include "shell/Session.h"

#include <errno.h>
#include <unistd.h>

#include "driver/Questioner.h"
#include "pipeline/IgnoreLineReceiver.h"
#include "pipeline/LineMaker.h"
#include "registry/InspectorRegistry.h"
#include "shell/Explainer.h"
#include "shell/JsonAnswers.h"

namespace guard {

namespace {

void putText(LineReceiver& receiver, std::string_view text) { receiver.Text(text.data(), text.data() + text.size()); }

} // namespace

// Passes a question's lines to the asker and counts the questions that end
// with an error.
class Session::FailureCounter final : public LineReceiver {
public:
    FailureCounter(QuestionAsker& asker, std::uint64_t& failures) : asker_(asker), failures_(failures) { }
    void Start(std::uint64_t position) override { asker_.Start(position); }
    void Text(const char* begin, const char* end) override { asker_.Text(begin, end); }
    void LineEnd(std::uint64_t start, std::uint64_t end) override { asker_.LineEnd(start, end); }
    void Finish(std::uint64_t total) override
    {
        asker_.Finish(total);
        if (asker_.failed())
            ++failures_;
    }

private:
    QuestionAsker& asker_;
    std::uint64_t& failures_;
};

Session::Session(SessionStyle style) : style_(style)
{
    context_.fillFunctionTables(true);
    // The registry is built now rather than inside the first question, so
    // that its time is the question's own, like every later one's.
    InspectorRegistry::get();
    context_.setTimeout(style.timeoutMicroseconds);
    // The "still running" line is for a person watching: only on a terminal.
    context_.setSlowNotice(::isatty(2));
    if (style.json)
        writer_ = std::make_unique<JsonAnswers>(sink_);
    else
        writer_ = std::make_unique<TextAnswers>(lines_, sink_,
                                                TextStyle{!style.interactive, style.colour, style.interactive});
    receiver_ = std::make_unique<qnaGuardReceiver>(context_);
    asker_ = std::make_unique<QuestionAsker>(*writer_, *receiver_, messages_, questionOptions());
    sink_.Start();
    lines_.Start(0);
}

Session::~Session()
{
    try {
        sink_.flush();
    } catch (...) {
    }
}

QuestionOptions Session::questionOptions() const
{
    QuestionOptions options;
    options.showErrors = true;
    options.answers = true;
    // JSON always carries the type and the time; a check reports the type
    // of each question that passes.
    options.types = style_.types || style_.json || style_.check;
    options.times = style_.times || style_.json;
    options.evaluate = !style_.check;
    options.maxAnswers = style_.maxAnswers;
    return options;
}

void Session::setTypes(bool on)
{
    QuestionOptions options = asker_->options();
    options.types = on;
    asker_->setOptions(options);
}

void Session::setTimes(bool on)
{
    QuestionOptions options = asker_->options();
    options.times = on;
    asker_->setOptions(options);
}

void Session::ask(std::string_view question)
{
    if (!style_.json && !style_.interactive)
        putText(lines_, "Q: ");
    FailureCounter counter(*asker_, failures_);
    counter.Start(0);
    // Line ends fold into one space each, as in a question file.
    std::size_t from = 0;
    while (from <= question.size()) {
        std::size_t end = question.find_first_of("\r\n", from);
        if (end == std::string_view::npos)
            end = question.size();
        if (end > from)
            counter.Text(question.data() + from, question.data() + end);
        if (end == question.size())
            break;
        putText(counter, " ");
        from = end + 1;
    }
    counter.Finish(0);
}

bool Session::askLines(int descriptor)
{
    FailureCounter counter(*asker_, failures_);
    LineReceiver& copied = style_.json ? IgnoreLineReceiver::Shared() : static_cast<LineReceiver&>(lines_);
    Questioner questioner(copied, counter);
    bool read = pushDescriptorLines(descriptor, questioner);
    sink_.flush();
    return read;
}

bool Session::pushDescriptorLines(int descriptor, LineReceiver& receiver)
{
    LineMaker maker(receiver);
    maker.Start();
    char buffer[4096];
    for (;;) {
        ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            maker.Finish();
            return false;
        }
        if (got == 0)
            break;
        maker.Receive(buffer, buffer + got);
    }
    maker.Finish();
    return true;
}

void Session::explain(std::string_view text)
{
    // Line ends fold into spaces, as ask() folds them.
    std::string question(text);
    for (char& c : question)
        if (c == '\r' || c == '\n')
            c = ' ';
    bool echo = !style_.interactive;
    if (echo) {
        putText(lines_, "Q: ");
        putText(lines_, question);
        lines_.LineEnd(0, 0);
    }
    if (!explainQuestion(question, *receiver_, messages_, lines_))
        ++failures_;
    if (echo)
        lines_.LineEnd(0, 0);
    sink_.flush();
}

namespace {

// Collects the text of each question of a file and explains it.
class ExplainingCollector final : public LineReceiver {
public:
    explicit ExplainingCollector(Session& session) : session_(session) { }
    void Start(std::uint64_t) override { text_.clear(); }
    void Text(const char* begin, const char* end) override { text_.append(begin, end); }
    void LineEnd(std::uint64_t, std::uint64_t) override { }
    void Finish(std::uint64_t) override { session_.explain(text_); }

private:
    Session& session_;
    std::string text_;
};

} // namespace

bool Session::explainLines(int descriptor)
{
    ExplainingCollector collector(*this);
    Questioner questioner(IgnoreLineReceiver::Shared(), collector);
    return pushDescriptorLines(descriptor, questioner);
}

} // namespace guard
