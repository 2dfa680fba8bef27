// One user event with its full recalculation, the whole start-up, and the
// three ways a driver gets a fresh started window: start-up, copy, reset.
#include <benchmark/benchmark.h>

#include "core/control_ids.h"
#include "ui/tarnvik_dlg.h"
#include "window_sequences.h"

namespace {

using namespace tarnvik;

CTarnvikDlg Started() {
    CTarnvikDlg dlg("tarnvik-calc");
    dlg.OnInitDialog();
    return dlg;
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        CTarnvikDlg dlg;
        dlg.OnInitDialog();
        benchmark::DoNotOptimize(dlg.State().maxFlow);
    }
}
BENCHMARK(BM_StartUp);

// One recalculation of QA70 with two engine runs and every box write.
void BM_RecalculateQA70(benchmark::State& state) {
    CTarnvikDlg dlg = Started();
    dlg.Window().UserChoose(id::kSensorType, "QA70");
    for (auto _ : state) {
        dlg.Recalculate();
        benchmark::DoNotOptimize(dlg.State().minFlow);
    }
}
BENCHMARK(BM_RecalculateQA70);

// A program write to a result box, which no handler listens to.
void BM_OutputBoxWrite(benchmark::State& state) {
    CTarnvikDlg dlg = Started();
    const char* texts[] = {"250.0", "17.8"};
    int i = 0;
    for (auto _ : state) {
        dlg.Window().SetText(id::kMaxFlow, texts[i ^= 1]);
        benchmark::DoNotOptimize(dlg.Window().Revision());
    }
}
BENCHMARK(BM_OutputBoxWrite);

// Typing one digit into the process pressure box of QA70: the check, one
// recalculation with two engine runs, and the box writes.
void BM_TypeDigitQA70(benchmark::State& state) {
    CTarnvikDlg dlg;
    dlg.OnInitDialog();
    dlg.Window().UserChoose(id::kSensorType, "QA70");
    const char* texts[] = {"6.1", "6.2"};
    int i = 0;
    for (auto _ : state) {
        dlg.Window().UserType(id::kProcessPressure, texts[i ^= 1]);
        benchmark::DoNotOptimize(dlg.State().minFlow);
    }
}
BENCHMARK(BM_TypeDigitQA70);

// A sensor type change: lists, rules, gas list and four recalculations.
void BM_SensorTypeChange(benchmark::State& state) {
    CTarnvikDlg dlg;
    dlg.OnInitDialog();
    int i = 0;
    for (auto _ : state) {
        dlg.Window().UserChoose(id::kSensorType, (i ^= 6));
        benchmark::DoNotOptimize(dlg.State().maxFlow);
    }
}
BENCHMARK(BM_SensorTypeChange);

// A fresh started window, and the same with a batch line's actions on it
// and its results read back: by start-up, by copying a started window, and
// by resetting a working window to it.
enum class Way { Fresh, Copy, Reset };

template <Way way, bool line>
void BM_Window(benchmark::State& state) {
    const CTarnvikDlg started = Started();
    CTarnvikDlg working = started;
    for (auto _ : state) {
        if constexpr (way == Way::Fresh) {
            CTarnvikDlg dlg("tarnvik-calc");
            dlg.OnInitDialog();
            if constexpr (line) bench::DriveBatchLine(dlg);
            if constexpr (line) benchmark::DoNotOptimize(bench::ReadResults(dlg));
            benchmark::DoNotOptimize(dlg.State().maxFlow);
        } else if constexpr (way == Way::Copy) {
            CTarnvikDlg dlg(started);
            if constexpr (line) bench::DriveBatchLine(dlg);
            if constexpr (line) benchmark::DoNotOptimize(bench::ReadResults(dlg));
            benchmark::DoNotOptimize(dlg.State().maxFlow);
        } else {
            bench::ResetTo(working, started);
            if constexpr (line) bench::DriveBatchLine(working);
            if constexpr (line) benchmark::DoNotOptimize(bench::ReadResults(working));
            benchmark::DoNotOptimize(working.State().maxFlow);
        }
    }
}
BENCHMARK(BM_Window<Way::Fresh, false>)->Name("BM_Window/fresh");
BENCHMARK(BM_Window<Way::Copy, false>)->Name("BM_Window/copy");
BENCHMARK(BM_Window<Way::Fresh, true>)->Name("BM_BatchLine/fresh");
BENCHMARK(BM_Window<Way::Copy, true>)->Name("BM_BatchLine/copy");

// Registered only where a window can be reset by assignment.
[[maybe_unused]] const bool kResetRegistered = [] {
    if (!bench::kCanReset<CTarnvikDlg>) return false;
    benchmark::RegisterBenchmark("BM_Window/reset", BM_Window<Way::Reset, false>);
    benchmark::RegisterBenchmark("BM_BatchLine/reset", BM_Window<Way::Reset, true>);
    return true;
}();

}  // namespace
