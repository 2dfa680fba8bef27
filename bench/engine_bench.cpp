// The engine alone, as a floor for the window benchmarks.
#include <benchmark/benchmark.h>

#include "physics/flow_engine.h"
#include "physics/profile_factor.h"

namespace {

void BM_ComputeFlows(benchmark::State& state) {
    tarnvik::ProcessConditions c;
    c.unitCode = 16;
    c.area = 2290.22f;
    c.diameter = 54.0f;
    c.gasConstant = 287.0f;
    c.referenceTemperature = 293.15f;
    c.referencePressure = 1000.0f;
    c.standardGasConstant = 287.0f;
    c.standardTemperature = 293.15f;
    c.standardPressure = 1000.0f;
    c.processPressure = 7.01325f;
    c.processTemperature = 35.0f;
    c.processHumidity = 0.9f;
    c.inletPressure = 1.01325f;
    c.inletTemperature = 25.0f;
    c.inletHumidity = 0.5f;
    tarnvik::FlowResults r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarnvik::ComputeFlows(200.0f, 8.0f, 1.2f, c, r, 6));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ComputeFlows);

void BM_InterpolateProfile(benchmark::State& state) {
    double d = 6.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarnvik::InterpolateProfile(d));
        d = d > 300.0 ? 6.0 : d + 1.7;
    }
}
BENCHMARK(BM_InterpolateProfile);

}  // namespace
