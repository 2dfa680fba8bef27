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

std::string BatchLines::Answer(std::string_view line, bool& ok) {
    ok = false;
    sizing::OptionValues values;
    std::optional<std::string> pipe;
    bool asTyped = asTyped_;
    if (std::string problem = ReadBatchOptions(line, values, pipe, asTyped); !problem.empty())
        return ErrorLine(problem);
    if (std::string problem = sizing::CanonicalNames(values, ""); !problem.empty())
        return ErrorLine(problem);
    if (!asTyped) {
        const std::string problem =
            sizing::TypedValuesProblem(values, {.optionPrefix = "", .asTyped = kAsTypedKey});
        if (!problem.empty()) return ErrorLine(problem);
    }
    std::string pipeName;
    if (pipe) {
        if (std::string problem = TypePipe(*pipe, "", values, pipeName); !problem.empty())
            return ErrorLine(problem);
    }
    working_.ResetTo(started_);
    if (auto error = working_.Apply(values)) {
        error->NamePipe(pipeName);
        return ErrorLine(error->Describe(""));
    }
    ok = true;
    std::string answer;
    AppendResultsLine(answer, working_.Read());
    // The inputs go in last, so that today's keys keep their places.
    answer.pop_back();
    answer += ",\"inputs\":";
    answer += DumpLine(InputsJson(ReadCalculationContext(working_.Window(), pipeName)));
    answer += '}';
    return answer;
}

std::string BatchLine(std::string_view line, bool& ok) {
    BatchLines lines;
    return lines.Answer(line, ok);
}

BatchSummary RunBatch(ByteSource& in, std::ostream& out, bool asTyped) {
    BatchSummary summary;
    BatchLines lines(asTyped);
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
            answer = outcome == LineReader::Outcome::Line ? lines.Answer(line, ok)
                                                          : ErrorLine(LimitMessage(outcome));
        } catch (const std::bad_alloc&) {
            ok = false;
            answer = ErrorLine(LimitMessage(LineReader::Outcome::OutOfMemory));
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
