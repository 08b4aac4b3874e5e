#include "driver/QuestionAsker.h"

#include "pipeline/IgnoreLineReceiver.h"

namespace guard {

QuestionAsker::QuestionAsker(LineReceiver& output, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                             QuestionOptions options)
    : lines_(output), writer_(lines_), receiver_(receiver), messages_(messages), options_(options)
{
}

QuestionAsker::QuestionAsker(AnswerBlockWriter& writer, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                             QuestionOptions options)
    : lines_(IgnoreLineReceiver::Shared()), writer_(writer), receiver_(receiver), messages_(messages), options_(options)
{
}

void QuestionAsker::Start(std::uint64_t)
{
    failed_ = false;
    try {
        receiver_.reset();
        if (options_.times) {
            stopwatch_.reset();
            stopwatch_.start();
        }
        receiver_.Start();
    } catch (...) {
        messages_.describeUnderstandingFailure();
    }
}

void QuestionAsker::Text(const char* begin, const char* end)
{
    try {
        receiver_.Receive(begin, end);
    } catch (...) {
        messages_.describeUnderstandingFailure();
    }
    if (echo_)
        writer_.questionText(std::string_view(begin, std::size_t(end - begin)));
}

void QuestionAsker::LineEnd(std::uint64_t, std::uint64_t) { }

void QuestionAsker::writeMessage()
{
    if (options_.showErrors)
        writer_.error(messages_.message());
}

void QuestionAsker::Finish(std::uint64_t)
{
    if (echo_)
        writer_.questionEnd();
    try {
        receiver_.Finish();
    } catch (...) {
        failed_ = true;
        messages_.describeUnderstandingFailure();
    }
    if (!options_.answers)
        return;
    if (!receiver_.ok()) {
        failed_ = true;
        writeMessage();
        writer_.blockEnd();
        return;
    }
    try {
        receiver_.understand();
    } catch (...) {
        failed_ = true;
        messages_.describeUnderstandingFailure();
    }
    if (!failed_) {
        try {
            receiver_.convert();
        } catch (...) {
            failed_ = true;
            messages_.describeConversionFailure();
        }
    }
    if (failed_) {
        writeMessage();
        writer_.blockEnd();
        return;
    }
    if (!receiver_.started())
        return;
    if (options_.evaluate)
        writeResults();
    writeTrailer();
}

void QuestionAsker::writeTrailer()
{
    if (options_.times)
        writer_.time(stopwatch_.microseconds());
    if (options_.types)
        writer_.type(receiver_.typeName());
    writer_.blockEnd();
}

// Only the evaluation is guarded: a failure to write the answers ends the run.
void QuestionAsker::writeResults()
{
    std::uint64_t count = 0;
    for (;;) {
        const String* result = nullptr;
        try {
            result = count == 0 ? receiver_.firstResult() : receiver_.nextResult();
        } catch (...) {
            failed_ = true;
            messages_.describeEvaluationFailure();
            writeMessage();
            return;
        }
        if (!result)
            return;
        if (options_.maxAnswers != 0 && count == options_.maxAnswers) {
            failed_ = true;
            messages_.describeAnswerLimit(options_.maxAnswers);
            writeMessage();
            return;
        }
        writer_.answer(result->view());
        ++count;
    }
}

} // namespace guard
