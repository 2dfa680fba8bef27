// The number reading and formatting the calculator used before it had its
// own: the C library's strtod with a "C" locale object, and the standard
// library's floating-point to_chars. Tests, the long check, the fuzz target
// and the benchmarks compare the library's functions with these, which are
// kept out of the library because the browser build's C++ library lacks
// floating-point to_chars.
#pragma once

#include <string>
#include <string_view>

namespace tarnvik::reference {

// atof in the "C" locale on the text up to its first NUL byte.
double ParseNumber(std::string_view text);

// std::to_chars(fixed, decimals).
std::string FormatFixed(double value, int decimals);

}  // namespace tarnvik::reference
