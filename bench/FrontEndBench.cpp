// Reading an expression: lexing and parsing alone (the tree left unbound),
// and binding alone (timed around bind() only).
#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchExpressions.h"
#include "guard/parser/GuardFrontEnd.h"
#include "registry/InspectorContext.h"

namespace guard {

namespace {

void BM_LexAndParse(benchmark::State& state)
{
    std::string_view text = kSmallExpressions[state.range(0)];
    InlineStackAllocator<16 * 1024> allocator;
    ExpressionTree tree(allocator);
    tree.setBindOnFinish(false);
    GuardFrontEnd frontEnd(tree);
    for (auto _ : state)
        benchmark::DoNotOptimize(frontEnd.parse(text));
    state.SetLabel(std::string(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LexAndParse)->DenseRange(0, kSmallExpressionCount - 1);

void BM_Bind(benchmark::State& state)
{
    std::string_view text = kSmallExpressions[state.range(0)];
    InlineStackAllocator<16 * 1024> allocator;
    InstalledEvaluation installed(nullptr, &allocator);
    ExpressionTree tree(allocator);
    tree.setBindOnFinish(false);
    GuardFrontEnd frontEnd(tree);
    for (auto _ : state) {
        Expression* root = frontEnd.parse(text);
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(root->bind(nullptr, allocator));
        auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.SetLabel(std::string(text));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Bind)->DenseRange(0, kSmallExpressionCount - 1)->UseManualTime();

} // namespace

} // namespace guard
