// tarnvik-calc table: the range table of one sensor type as text, CSV,
// JSON or an SVG chart.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/pipe_option.h"
#include "cli/result_output.h"
#include "sizing/window_options.h"

namespace tarnvik::cli {

enum class TableFormat { Text, Csv, Json, Svg };

// values must not hold a section, range or diameter; diameters (typed or
// from pipes) replace the sections of a type with a free diameter.
int RunTableCommand(const sizing::OptionValues& values, const DiameterList& diameters,
                    TableFormat format, const CsvStyle& csv, std::ostream& out, std::ostream& err);

}  // namespace tarnvik::cli
