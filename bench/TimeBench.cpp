// The time family's hot paths: writing a time's text form, reading a full
// time, a time of day and an interval with their grammars.
#include <benchmark/benchmark.h>

#include <string_view>

#include "Inspectors/Portable/Time/IntervalGrammar.h"
#include "Inspectors/Portable/Time/TimeGrammar.h"
#include "Inspectors/Portable/Time/TimeText.h"

namespace guard {

namespace {

void BM_WriteTime(benchmark::State& state)
{
    char text[TimeText::kMaxTimeText];
    Time time{1235237696000000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(TimeText::writeTime(text, time, TimeZone{-18000000000}));
        time.count += 60000000;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_WriteTime);

void BM_ReadTime(benchmark::State& state)
{
    constexpr std::string_view text = "Sat, 21 Feb 2009 12:34:56 -0500";
    for (auto _ : state)
        benchmark::DoNotOptimize(TimeGrammar::read(text, TimeGrammar::Form::Time));
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_ReadTime);

void BM_ReadTimeOfDay(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TimeGrammar::read("12:34:56", TimeGrammar::Form::TimeOfDay));
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_ReadTimeOfDay);

void BM_ReadInterval(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IntervalGrammar::read("3 days, 04:05:06.5"));
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_ReadInterval);

} // namespace

} // namespace guard
