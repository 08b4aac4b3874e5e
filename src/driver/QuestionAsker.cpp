#include "driver/QuestionAsker.h"

#include <charconv>

#include "driver/AnswerEscaping.h"

namespace guard {

QuestionAsker::QuestionAsker(LineReceiver& output, GuardReceiver& receiver, ExpressionMessageMaker& messages,
                             QuestionOptions options)
    : output_(output), receiver_(receiver), messages_(messages), options_(options)
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
        output_.Text(begin, end);
}

void QuestionAsker::LineEnd(std::uint64_t, std::uint64_t) { }

void QuestionAsker::writeLine(std::string_view header, std::string_view text, bool escaped)
{
    output_.Text(header.data(), header.data() + header.size());
    if (escaped)
        writeEscaped(output_, text);
    else if (!text.empty())
        output_.Text(text.data(), text.data() + text.size());
    output_.LineEnd(0, 0);
}

void QuestionAsker::writeMessageLine()
{
    if (options_.showErrors)
        writeLine("E: ", messages_.message(), true);
}

void QuestionAsker::writeEmptyLine() { output_.LineEnd(0, 0); }

void QuestionAsker::Finish(std::uint64_t)
{
    if (echo_)
        output_.LineEnd(0, 0);
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
        writeMessageLine();
        writeEmptyLine();
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
        writeMessageLine();
        writeEmptyLine();
        return;
    }
    if (!receiver_.started())
        return;
    writeResults();
    if (options_.times) {
        char digits[24];
        auto [end, error] = std::to_chars(digits, digits + sizeof digits, stopwatch_.microseconds());
        writeLine("T: ", std::string_view(digits, std::size_t(end - digits)), false);
    }
    if (options_.types)
        writeLine("I: ", receiver_.typeName(), false);
    writeEmptyLine();
}

// Only the evaluation is guarded: a failure to write the answers ends the run.
void QuestionAsker::writeResults()
{
    bool first = true;
    for (;;) {
        const String* result = nullptr;
        try {
            result = first ? receiver_.firstResult() : receiver_.nextResult();
        } catch (...) {
            failed_ = true;
            messages_.describeEvaluationFailure();
            writeMessageLine();
            return;
        }
        if (!result)
            return;
        writeLine("A: ", result->view(), true);
        first = false;
    }
}

} // namespace guard
