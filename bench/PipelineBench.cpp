// The question-and-answer line pipeline end to end over an in-memory file:
// lines, questions, parsing, binding, evaluation, escaping and flattening,
// joined as the question-and-answer mode joins them, writing into a string
// instead of a file. Items are questions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "BenchExpressions.h"
#include "driver/EvalContext.h"
#include "driver/GuardReceiver.h"
#include "driver/QuestionAsker.h"
#include "driver/Questioner.h"
#include "pipeline/LineFlattener.h"
#include "pipeline/LineMaker.h"
#include "pipeline/StringReceiver.h"

namespace guard {

namespace {

constexpr std::size_t kChunkSize = 1024; // the mode's read buffer

// `count` questions cycling through the small expressions, CR LF ended.
std::string questionFile(std::int64_t count)
{
    std::string file;
    for (std::int64_t i = 0; i < count; ++i) {
        file += "Q: ";
        file += kSmallExpressions[std::size_t(i) % kSmallExpressionCount];
        file += "\r\n";
    }
    return file;
}

void BM_QuestionPipeline(benchmark::State& state)
{
    const std::int64_t questions = state.range(0);
    const std::string input = questionFile(questions);
    std::string output;
    output.reserve(input.size() * 4);

    EvalContext context;
    context.fillFunctionTables(true);
    StringReceiver sink(output);
    LineFlattener flattener(sink, "\r\n");
    ExpressionMessageMaker messages;
    qnaGuardReceiver receiver(context);
    QuestionOptions options;
    options.showErrors = true;
    QuestionAsker asker(flattener, receiver, messages, options);
    Questioner questioner(flattener, asker);
    LineMaker lines(questioner);

    for (auto _ : state) {
        flattener.Attach(sink);
        sink.Start();
        lines.Start();
        for (std::size_t at = 0; at < input.size(); at += kChunkSize) {
            const char* begin = input.data() + at;
            lines.Receive(begin, begin + std::min(kChunkSize, input.size() - at));
        }
        lines.Finish();
        sink.Finish();
        benchmark::DoNotOptimize(output.data());
    }
    if (output.find("E: ") != std::string::npos)
        state.SkipWithError("a question failed");
    state.SetItemsProcessed(state.iterations() * questions);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK(BM_QuestionPipeline)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace guard
