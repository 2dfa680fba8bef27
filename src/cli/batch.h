// Batch mode: JSON Lines in, one JSON line out per input line.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "ui/tarnvik_dlg.h"

namespace tarnvik::cli {

// One input line to one output line: the results object, or
// {"error": "..."} for a line that fails. Never throws for any input.
// ok is set false for an error line.
std::string BatchLine(std::string_view line, bool& ok);
// The same, starting from a copy of `started`, a window fresh from start-up.
std::string BatchLine(std::string_view line, const CTarnvikDlg& started, bool& ok);

struct BatchSummary {
    long lines = 0;
    long failed = 0;
};

// Processes every line of in; each starts from a fresh window.
BatchSummary RunBatch(std::istream& in, std::ostream& out);

}  // namespace tarnvik::cli
