// Evaluating bound expressions: small singular expressions parsed once and
// evaluated many times, the stream of `integers in`, the whose filter, and
// aggregates over a stream. Streams report the values they read as items.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchExpressions.h"
#include "guard/GuardEvaluator.h"

namespace guard {

namespace {

constexpr std::int64_t kStreamLength = 1 << 20;

// Parses and binds `text` into `evaluator`.
void prepare(GuardEvaluator& evaluator, std::string_view text)
{
    evaluator.lexer().Receive(text.data(), text.data() + text.size());
    evaluator.endInput();
}

// Reads every value of the evaluator's expression; the number read.
std::int64_t drain(GuardEvaluator& evaluator)
{
    std::int64_t count = 0;
    for (const void* value = evaluator.firstValue(); value; value = evaluator.nextValue()) {
        benchmark::DoNotOptimize(value);
        ++count;
    }
    return count;
}

void BM_EvaluateSmall(benchmark::State& state)
{
    std::string_view text = kSmallExpressions[state.range(0)];
    GuardEvaluator evaluator(nullptr);
    prepare(evaluator, text);
    for (auto _ : state)
        drain(evaluator);
    state.SetLabel(std::string(text));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateSmall)->DenseRange(0, kSmallExpressionCount - 1);

// The same, with every value converted to a string as answers are.
void BM_EvaluateSmallAsString(benchmark::State& state)
{
    std::string_view text = kSmallExpressions[state.range(0)];
    GuardEvaluator evaluator(nullptr);
    prepare(evaluator, text);
    evaluator.requireResultType("string", "string");
    for (auto _ : state)
        drain(evaluator);
    state.SetLabel(std::string(text));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateSmallAsString)->DenseRange(0, kSmallExpressionCount - 1);

// Plural expressions over `integers in (1, N)`, every value read by the caller.
const char* const kStreams[] = {
    "integers in (1, %N%)",
    "(integers in (1, %N%)) whose (it mod 2 = 0)",
    "(it * 2) of integers in (1, %N%)",
};

// Singular aggregates over the same stream, one value per evaluation.
const char* const kAggregates[] = {
    "number of integers in (1, %N%)",
    "sum of integers in (1, %N%)",
    "number of (integers in (1, %N%)) whose (it mod 2 = 0)",
    "maximum of integers in (1, %N%)",
    "number of unique values of (it mod 1000) of integers in (1, %N%)",
};

std::string withLength(const char* pattern)
{
    std::string text = pattern;
    text.replace(text.find("%N%"), 3, std::to_string(kStreamLength));
    return text;
}

void BM_Stream(benchmark::State& state)
{
    std::string text = withLength(kStreams[state.range(0)]);
    GuardEvaluator evaluator(nullptr);
    prepare(evaluator, text);
    for (auto _ : state)
        drain(evaluator);
    state.SetLabel(text);
    state.SetItemsProcessed(state.iterations() * kStreamLength);
}
BENCHMARK(BM_Stream)->DenseRange(0, std::size(kStreams) - 1)->Unit(benchmark::kMillisecond);

void BM_Aggregate(benchmark::State& state)
{
    std::string text = withLength(kAggregates[state.range(0)]);
    GuardEvaluator evaluator(nullptr);
    prepare(evaluator, text);
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.firstValue());
    state.SetLabel(text);
    state.SetItemsProcessed(state.iterations() * kStreamLength);
}
BENCHMARK(BM_Aggregate)->DenseRange(0, std::size(kAggregates) - 1)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace guard
