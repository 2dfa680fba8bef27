// tarnvik-calc table: the range table of one sensor type as text, CSV or
// JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sizing/window_options.h"

namespace tarnvik::cli {

enum class TableFormat { Text, Csv, Json };

// values must not hold a section or range; diameters replace the sections
// of a type with a free diameter.
int RunTableCommand(const sizing::OptionValues& values, const std::vector<std::string>& diameters,
                    TableFormat format, std::ostream& out, std::ostream& err);

}  // namespace tarnvik::cli
