// Reading box texts and formatting results: the library's functions against
// the C and C++ library calls they replace, in the same run.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "reference_numbers.h"

namespace {

// What the ten boxes of a recalculation hold: start-up values, values the
// selections write and values users type.
constexpr std::array<std::string_view, 10> kBoxTexts = {
    "6.0", "35.0", "20.0", "1000.0", "1013.25", "287.1", "0", "54.5", "1.01325", "50"};

// Texts that leave the plain decimal path: exponents, long mantissas, hex,
// words, empty boxes.
constexpr std::array<std::string_view, 8> kOddTexts = {
    "1e39", "0.1234567890123456789012", "0x1.8p3", "inf", "", "abc", "-", "12,5"};

struct Result {
    double value;
    int decimals;
};

// Results of a recalculation: flows and velocities with their decimals,
// and the profile factor.
constexpr std::array<Result, 5> kResults = {Result{2077.27001953125, 1},
                                            {103.86349487304688, 1},
                                            {34.5, 1},
                                            {0.8529999852180481, 3},
                                            {0.01666666753590107, 3}};

template <double (*Parse)(std::string_view), const auto& Texts>
void BM_Parse(benchmark::State& state) {
    for (auto _ : state)
        for (std::string_view text : Texts) benchmark::DoNotOptimize(Parse(text));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Texts.size()));
}
BENCHMARK(BM_Parse<tarnvik::reference::ParseNumber, kBoxTexts>)->Name("Parse/boxes/reference");
BENCHMARK(BM_Parse<tarnvik::ParseNumber, kBoxTexts>)->Name("Parse/boxes/library");
BENCHMARK(BM_Parse<tarnvik::reference::ParseNumber, kOddTexts>)->Name("Parse/odd/reference");
BENCHMARK(BM_Parse<tarnvik::ParseNumber, kOddTexts>)->Name("Parse/odd/library");

template <std::string (*Format)(double, int)>
void BM_FormatResults(benchmark::State& state) {
    for (auto _ : state)
        for (const Result& r : kResults) benchmark::DoNotOptimize(Format(r.value, r.decimals));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kResults.size()));
}
BENCHMARK(BM_FormatResults<tarnvik::reference::FormatFixed>)->Name("Format/results/reference");
BENCHMARK(BM_FormatResults<tarnvik::FormatFixed>)->Name("Format/results/library");

// Formatting into a caller's buffer: no string at all.
void BM_FormatResultsText(benchmark::State& state) {
    for (auto _ : state)
        for (const Result& r : kResults)
            benchmark::DoNotOptimize(tarnvik::FormatFixedText(r.value, r.decimals));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kResults.size()));
}
BENCHMARK(BM_FormatResultsText)->Name("Format/results/library_text");

// The widest texts: the largest float, the widest a result can be, and the
// largest double.
template <std::string (*Format)(double, int), const double& Value>
void BM_FormatWide(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Format(Value, 3));
}
constexpr double kFloatMax = 3.4028234663852886e38;
constexpr double kDoubleMax = 1.7976931348623157e308;
BENCHMARK(BM_FormatWide<tarnvik::reference::FormatFixed, kFloatMax>)
    ->Name("Format/float_max/reference");
BENCHMARK(BM_FormatWide<tarnvik::FormatFixed, kFloatMax>)->Name("Format/float_max/library");
BENCHMARK(BM_FormatWide<tarnvik::reference::FormatFixed, kDoubleMax>)
    ->Name("Format/double_max/reference");
BENCHMARK(BM_FormatWide<tarnvik::FormatFixed, kDoubleMax>)->Name("Format/double_max/library");

}  // namespace
