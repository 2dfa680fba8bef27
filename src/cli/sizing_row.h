// One sensor type / section or diameter / range and what a window shows
// for it: the unit of the range table and of the sensor finder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/result_output.h"
#include "cli/window_session.h"

namespace tarnvik::cli {

struct SizingRow {
    std::string sensor;
    std::string section;                       // empty for a free diameter
    std::optional<std::string> typedDiameter;  // typed into box 1000, if any
    std::string diameter;                      // as box 1000 shows it
    std::string range;                         // empty for a type without ranges
    Results results;
};

// The row's sensor, section or diameter and range are added to values;
// a fresh window is driven with them and the row filled from its boxes.
std::optional<OptionError> RunRow(OptionValues values, SizingRow& row,
                                  const WindowSession::SkipPolicy& skip = {});

// The rows of one sensor type: every section (or given diameter) times
// every range.
std::vector<SizingRow> RowsFor(const std::string& sensor, const std::vector<std::string>& sections,
                               const std::vector<std::string>& diameters,
                               const std::vector<std::string>& ranges);

// Identification keys first, then the keys of the --json object.
Json RowJson(const SizingRow& row);

// A shown number, or nothing for "N/A" and any text that is not finite.
std::optional<double> ShownNumber(const std::string& text);

}  // namespace tarnvik::cli
