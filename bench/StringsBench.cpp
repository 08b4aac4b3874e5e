// The string vocabulary's hot paths: joining numbers and splitting the text
// into pieces (views, no copy), and the Base64 and UTF-8 filters over a
// megabyte. Items are pieces or input bytes.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "guard/GuardEvaluator.h"
#include "pipeline/Base64.h"
#include "pipeline/Transcoders.h"
#include "pipeline/WholeFiltering.h"

namespace guard {

namespace {

constexpr int kPieces = 1 << 17;
constexpr std::size_t kBytes = 1 << 20;

// The joined numbers alone, and split again: the difference is the split.
const char* const kJoinAndSplit[] = {
    "length of concatenation \",\" of ((integers in (1, 131072)) as string)",
    "number of substrings separated by \",\" of concatenation \",\" of ((integers in (1, 131072)) as string)",
};

void BM_JoinAndSplit(benchmark::State& state)
{
    std::string_view text = kJoinAndSplit[state.range(0)];
    GuardEvaluator evaluator(nullptr);
    evaluator.lexer().Receive(text.data(), text.data() + text.size());
    evaluator.endInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.firstValue());
    state.SetLabel(std::string(text));
    state.SetItemsProcessed(state.iterations() * kPieces);
}
BENCHMARK(BM_JoinAndSplit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

std::string sampleText()
{
    std::string text;
    for (std::size_t i = 0; text.size() < kBytes; ++i)
        text += std::to_string(i) + (i % 7 ? " " : " \xc3\xa9\xe2\x82\xac ");
    text.resize(kBytes);
    while (static_cast<unsigned char>(text.back()) >= 0x80) // no sequence cut at the end
        text.pop_back();
    text.resize(kBytes, ' ');
    return text;
}

template <class F>
void BM_Filter(benchmark::State& state)
{
    std::string input = sampleText();
    if constexpr (std::is_same_v<F, Base64Decoder>) {
        Base64Encoder encoder;
        std::vector<char> encoded(Base64Encoder::EncodedLength(input.size()));
        filterWhole(encoder, input.data(), input.data() + input.size(), encoded.data(),
                    encoded.data() + encoded.size());
        input.assign(encoded.begin(), encoded.end());
    }
    std::vector<char> out(input.size() * 2 + 16);
    for (auto _ : state) {
        F filter;
        benchmark::DoNotOptimize(
            filterWhole(filter, input.data(), input.data() + input.size(), out.data(), out.data() + out.size()));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(input.size()));
}
BENCHMARK(BM_Filter<Base64Encoder>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter<Base64Decoder>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter<Utf8ToUtf16Filter>)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace guard
