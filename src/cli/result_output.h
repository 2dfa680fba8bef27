// The five results of one window as text or JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/window_session.h"

namespace tarnvik::cli {

using Json = nlohmann::ordered_json;

// Keys in the order of ResultBoxes(); every value is a box's text.
Json ResultsJson(const Results& results);

// One compact line. Texts that are not valid UTF-8 (a user's input echoed
// in a message) are repaired rather than rejected, so the output stays
// valid JSON.
std::string DumpLine(const Json& value);
std::string DumpPretty(const Json& value);

// An aligned table: label, value, unit text.
void PrintResultsTable(std::ostream& out, const Results& results);

}  // namespace tarnvik::cli
