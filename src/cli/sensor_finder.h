// tarnvik-calc find: the sensor types, sections and ranges whose window
// shows a minimum flow of at most X and a maximum flow of at least Y.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/window_options.h"

namespace tarnvik::cli {

// values must not hold a sensor, section or range; diameters are tried for
// the types with a free diameter, which are left out without them.
int RunSensorFinder(const OptionValues& values, const std::vector<std::string>& diameters,
                    const std::string& minFlow, const std::string& maxFlow, bool json,
                    std::ostream& out, std::ostream& err);

}  // namespace tarnvik::cli
