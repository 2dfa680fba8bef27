// tarnvik-calc table: every measuring section and range of one sensor
// type, each row from its own fresh window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/window_options.h"

namespace tarnvik::cli {

enum class TableFormat { Text, Csv, Json };

// values must not hold a section or range; diameters replace the sections
// of a type with a free diameter.
int RunRangeTable(const OptionValues& values, const std::vector<std::string>& diameters,
                  TableFormat format, std::ostream& out, std::ostream& err);

}  // namespace tarnvik::cli
