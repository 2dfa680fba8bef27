// tarnvik-calc find: the sensor finder's answer as text, JSON or an SVG
// chart.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/pipe_option.h"
#include "cli/result_output.h"
#include "sizing/window_options.h"

namespace tarnvik::cli {

enum class FindFormat { Text, Csv, Json, Svg };

// values must not hold a sensor, section, range or diameter; diameters
// (typed or from pipes) are tried for the types with a free diameter,
// which are left out without them.
int RunFindCommand(const sizing::OptionValues& values, const DiameterList& diameters,
                   const std::string& minFlow, const std::string& maxFlow, FindFormat format,
                   const CsvStyle& csv, std::ostream& out, std::ostream& err);

}  // namespace tarnvik::cli
