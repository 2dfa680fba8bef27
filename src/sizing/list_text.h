// Lists in human-readable texts: "a, b, c".
#pragma once

#include <string>
#include <vector>

namespace tarnvik::sizing {

std::string Join(const std::vector<std::string>& values);
// The same, "none" for no values.
std::string JoinOrNone(const std::vector<std::string>& values);

}  // namespace tarnvik::sizing
