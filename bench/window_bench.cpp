// One user event with its full recalculation, and the whole start-up.
#include <benchmark/benchmark.h>

#include "core/control_ids.h"
#include "ui/tarnvik_dlg.h"

namespace {

using namespace tarnvik;

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        CTarnvikDlg dlg;
        dlg.OnInitDialog();
        benchmark::DoNotOptimize(dlg.State().maxFlow);
    }
}
BENCHMARK(BM_StartUp);

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

}  // namespace
