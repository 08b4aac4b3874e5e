#include "driver/QuestionAndAnswerMode.h"

#include "driver/EvalContext.h"
#include "driver/Questioner.h"
#include "pipeline/FileDataSink.h"
#include "pipeline/FileReadingLoop.h"
#include "pipeline/LineFlattener.h"
#include "platform/FileWritingPath.h"

namespace guard {

namespace {

constexpr std::size_t kReadBufferSize = 1024;

} // namespace

bool runQuestionAndAnswerMode(const FileLocation& source, const FileLocation& destination, QuestionOptions options)
{
    EvalContext context;
    try {
        context.fillFunctionTables(true);
    } catch (...) {
        return false;
    }
    return runQuestionAndAnswerMode(source, destination, options, context);
}

bool runQuestionAndAnswerMode(const FileLocation& source, const FileLocation& destination, QuestionOptions options,
                              InspectorContext& context)
{
    try {
        Platform::FileWritingPath output;
        output.Create(destination);
        FileDataSink sink(output);
        LineFlattener flattener(sink, "\r\n");
        ExpressionMessageMaker messages;
        qnaGuardReceiver receiver(context);
        QuestionAsker asker(flattener, receiver, messages, options);
        Questioner questioner(flattener, asker);
        sink.Start();
        pushFileLines(source, questioner, kReadBufferSize);
        sink.Finish();
        output.Close();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace guard
