// tarnvik-calc find: the sensor finder's answer as text or JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sizing/window_options.h"

namespace tarnvik::cli {

// values must not hold a sensor, section or range; diameters are tried for
// the types with a free diameter, which are left out without them.
int RunFindCommand(const sizing::OptionValues& values, const std::vector<std::string>& diameters,
                   const std::string& minFlow, const std::string& maxFlow, bool json,
                   std::ostream& out, std::ostream& err);

}  // namespace tarnvik::cli
