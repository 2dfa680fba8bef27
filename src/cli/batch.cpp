#include "cli/batch.h"

#include <new>

#include "cli/batch_options.h"
#include "cli/line_reader.h"
#include "cli/pipe_option.h"
#include "cli/result_output.h"
#include "sizing/option_names.h"
#include "sizing/typed_values.h"
#include "sizing/window_session.h"

namespace tarnvik::cli {

namespace {

std::string ErrorLine(const std::string& message) {
    Json object = Json::object();
    object["error"] = message;
    return DumpLine(object);
}

constexpr std::string_view kAsTypedKey = "\"as-typed\": true";

static_assert(kMaxLineBytes == 1024 * 1024, "the message names the limit in MiB");

std::string LimitMessage(LineReader::Outcome outcome) {
    if (outcome == LineReader::Outcome::TooLong)
        return "line longer than the limit of " + std::to_string(kMaxLineBytes) + " bytes (1 MiB)";
    return "not enough memory for this line";
}

}  // namespace

BatchLines::BatchLines(bool asTyped) : asTyped_(asTyped), working_(started_) {}

std::string BatchLines::Run(std::string_view line, std::string& pipeName) {
    sizing::OptionValues values;
    std::optional<std::string> pipe;
    bool asTyped = asTyped_;
    if (std::string problem = ReadBatchOptions(line, values, pipe, asTyped); !problem.empty())
        return problem;
    if (std::string problem = sizing::CanonicalNames(values, ""); !problem.empty()) return problem;
    if (!asTyped) {
        std::string problem =
            sizing::TypedValuesProblem(values, {.optionPrefix = "", .asTyped = kAsTypedKey});
        if (!problem.empty()) return problem;
    }
    working_.ResetTo(started_);
    return ApplyWithPipe(working_, values, pipe, pipeName, "");
}

std::string BatchLines::Answer(std::string_view line, bool& ok) {
    std::string pipeName;
    const std::string problem = Run(line, pipeName);
    ok = problem.empty();
    if (!ok) return ErrorLine(problem);
    std::string answer;
    AppendResultsLine(answer, working_.Read());
    // The inputs go in last, so that today's keys keep their places.
    answer.pop_back();
    answer += ",\"inputs\":";
    AppendInputsLine(
        answer, ReadCalculationContext(working_.Window(), pipeName, ContextParts::InputValues));
    answer += '}';
    return answer;
}

std::string BatchLines::AnswerCsv(std::string_view line, bool& ok, const CsvStyle& style) {
    std::string pipeName;
    const std::string problem = Run(line, pipeName);
    ok = problem.empty();
    if (!ok) return CsvLine(CalculationRecord(nullptr, nullptr, true, problem), false, style);
    const sizing::Results results = working_.Read();
    const CalculationContext context =
        ReadCalculationContext(working_.Window(), pipeName, ContextParts::InputValues);
    return CsvLine(CalculationRecord(&results, &context, true), false, style);
}

std::string BatchLine(std::string_view line, bool& ok) {
    BatchLines lines;
    return lines.Answer(line, ok);
}

BatchSummary RunBatch(ByteSource& in, std::ostream& out, bool asTyped, const CsvStyle* csv) {
    BatchSummary summary;
    BatchLines lines(asTyped);
    const auto errorLine = [csv](const std::string& message) {
        return csv ? CsvLine(CalculationRecord(nullptr, nullptr, true, message), false, *csv)
                   : ErrorLine(message);
    };
    // One header, whatever follows, so that an empty batch is still a table.
    if (csv) out << CsvLine(CalculationRecord(nullptr, nullptr, true), true, *csv) << '\n';
    LineReader reader(in, kMaxLineBytes, [&out] { out.flush(); });
    std::string line;
    for (;;) {
        const LineReader::Outcome outcome = reader.Next(line);
        if (!out) break;  // the flush before the read failed
        if (outcome == LineReader::Outcome::End) break;
        if (outcome == LineReader::Outcome::ReadError) {
            summary.readError = reader.Error();
            break;
        }
        bool ok = false;
        std::string answer;
        try {
            if (outcome != LineReader::Outcome::Line)
                answer = errorLine(LimitMessage(outcome));
            else
                answer = csv ? lines.AnswerCsv(line, ok, *csv) : lines.Answer(line, ok);
        } catch (const std::bad_alloc&) {
            ok = false;
            answer = errorLine(LimitMessage(LineReader::Outcome::OutOfMemory));
        }
        answer += '\n';
        out << answer;
        ++summary.lines;
        if (!ok) ++summary.failed;
        // A failed write ends the run at once: nothing computed after it
        // could be delivered.
        if (!out) break;
    }
    summary.outputFailed = !out;
    return summary;
}

}  // namespace tarnvik::cli
