// Batch mode: JSON Lines in, one JSON line out per input line.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/byte_source.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::cli {

// A longer line is answered with an error line and skipped unread.
inline constexpr std::size_t kMaxLineBytes = 1024 * 1024;

// One input line to one output line: the results object, or
// {"error": "..."} for a line that fails. Never throws for any input but
// std::bad_alloc. ok is set false for an error line.
std::string BatchLine(std::string_view line, bool& ok);
// The same, starting from a copy of `started`, a window fresh from start-up.
std::string BatchLine(std::string_view line, const CTarnvikDlg& started, bool& ok);

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
BatchSummary RunBatch(ByteSource& in, std::ostream& out);

}  // namespace tarnvik::cli
