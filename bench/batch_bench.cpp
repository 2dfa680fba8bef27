// A whole --batch line, JSON in to JSON out, the two ways a batch driver
// gets its fresh window: a copy of a started window for every line (as the
// batch mode used to), and one working window reset to the started one by
// assignment (as it does now). Both answer the same mix of lines.
#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/batch_options.h"
#include "cli/result_output.h"
#include "sizing/window_session.h"

namespace {

using namespace tarnvik;

// What scripts ask: a process type with its conditions, a type with
// sections, a free diameter with another gas, and the defaults.
constexpr std::array<std::string_view, 4> kLines = {
    R"({"sensor":"QA70","unit":"kg/h","diameter":"80","process-pressure":"7","flow-type":"fad"})",
    R"({"sensor":"QA40","unit":"m3/h","section":"DN50","range":"S"})",
    R"({"sensor":"QA30","diameter":"54","gas":"CO2","reference":"custom","reference-temperature":"15"})",
    R"({})",
};

// The line as the batch mode answered it with a copy per line.
std::string AnswerWithCopy(std::string_view line, const sizing::StartedWindow& started) {
    sizing::OptionValues values;
    std::optional<std::string> pipe;
    bool asTyped = false;
    if (std::string problem = cli::ReadBatchOptions(line, values, pipe, asTyped); !problem.empty())
        return problem;
    sizing::WindowSession session(started);
    if (auto error = session.Apply(values)) return error->Describe("");
    std::string answer;
    cli::AppendResultsLine(answer, session.Read());
    // The inputs object, as the batch mode adds it now.
    answer.pop_back();
    answer += ",\"inputs\":";
    answer += cli::DumpLine(cli::InputsJson(ReadCalculationContext(session.Window())));
    answer += '}';
    return answer;
}

void BM_CliBatchLineCopy(benchmark::State& state) {
    const sizing::StartedWindow started;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnswerWithCopy(kLines[i++ % kLines.size()], started));
    }
}
BENCHMARK(BM_CliBatchLineCopy)->Name("BM_CliBatchLine/copy");

void BM_CliBatchLineReset(benchmark::State& state) {
    cli::BatchLines lines;
    std::size_t i = 0;
    bool ok = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lines.Answer(kLines[i++ % kLines.size()], ok));
    }
}
BENCHMARK(BM_CliBatchLineReset)->Name("BM_CliBatchLine/reset");

}  // namespace
