// The five results of one window, and the rows of the sizing modes, as
// text or JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "sizing/sizing_row.h"
#include "sizing/window_session.h"

namespace tarnvik::cli {

using Json = nlohmann::ordered_json;

// Keys in the order of ResultBoxes(); every value is a box's text.
Json ResultsJson(const sizing::Results& results);

// Identification keys first, then the keys of the --json object.
Json RowJson(const sizing::SizingRow& row);

// One compact line. Texts that are not valid UTF-8 (a user's input echoed
// in a message) are repaired rather than rejected, so the output stays
// valid JSON.
std::string DumpLine(const Json& value);
std::string DumpPretty(const Json& value);

// An aligned table: label, value, unit text.
void PrintResultsTable(std::ostream& out, const sizing::Results& results);

}  // namespace tarnvik::cli
