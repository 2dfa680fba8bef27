// --list: the sensor types with their sections and ranges, the gases and
// the units each offers, as the window's lists show them.
#pragma once

#include <ostream>

namespace tarnvik::cli {

void PrintCatalogue(std::ostream& out);

}  // namespace tarnvik::cli
