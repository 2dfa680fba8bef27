// Batch mode: JSON Lines in, one JSON line out per input line.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/byte_source.h"
#include "cli/result_output.h"
#include "sizing/window_session.h"

namespace tarnvik::cli {

// A longer line is answered with an error line and skipped unread.
inline constexpr std::size_t kMaxLineBytes = 1024 * 1024;

// Answers batch lines one at a time, each from the same fresh window: one
// window runs the start-up once, and a working window is reset to it for
// every line, reusing its storage.
class BatchLines {
  public:
    // asTyped types every value as it is, as if each line had
    // "as-typed": true; otherwise a line chooses for itself.
    explicit BatchLines(bool asTyped = false);
    BatchLines(const BatchLines&) = delete;
    BatchLines& operator=(const BatchLines&) = delete;

    // One input line to one output line: the results object, or
    // {"error": "..."} for a line that fails. Never throws for any input
    // but std::bad_alloc. ok is set false for an error line.
    std::string Answer(std::string_view line, bool& ok);
    // The same as one CSV row of CalculationRecord's columns, the error
    // column set for a line that fails.
    std::string AnswerCsv(std::string_view line, bool& ok, const CsvStyle& style);

  private:
    // Drives the working window with the line's options; why it failed,
    // or empty. pipeName is set to the pipe the line named.
    std::string Run(std::string_view line, std::string& pipeName);

    bool asTyped_;
    sizing::StartedWindow started_;
    sizing::WindowSession working_;
};

// One line answered by a BatchLines of its own.
std::string BatchLine(std::string_view line, bool& ok);

struct BatchSummary {
    long lines = 0;   // answered
    long failed = 0;  // answered with an error line
    // Why reading stopped before the end of the input; the line being
    // read then was lines + 1.
    std::string readError;
    bool outputFailed = false;  // out went bad; nothing after that was done
};

// Answers every line of in, each from a fresh window, until the input
// ends, cannot be read, or out fails. out is flushed before every read
// of in, so that a program feeding lines one by one gets its answers.
// With csv, the answers are CSV rows after one header line.
BatchSummary RunBatch(ByteSource& in, std::ostream& out, bool asTyped = false,
                      const CsvStyle* csv = nullptr);

}  // namespace tarnvik::cli
