// The number reading and formatting the calculator used before it had its
// own: the C library's strtod with a "C" locale object, and the standard
// library's floating-point to_chars. Tests, the long check, the fuzz target
// and the benchmarks compare the library's functions with these, which are
// kept out of the library because the browser build's C++ library lacks
// floating-point to_chars.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnvik::reference {

// atof in the "C" locale on the text up to its first NUL byte.
double ParseNumber(std::string_view text);

// How many characters strtod reads of the text (up to its first NUL);
// 0 when it reads no number.
std::size_t NumberLength(std::string_view text);

// std::to_chars(fixed, decimals).
std::string FormatFixed(double value, int decimals);

// A hexadecimal text ("0x..." after blanks and a sign) rounded exactly once,
// as the C standard asks; nothing for other texts. glibc's strtod rounds
// some subnormal results twice and is one ulp off there. Made differently
// from the library's reading: the significant digits are cut to 15 with the
// last bit set when a dropped digit is not zero (rounding to odd keeps the
// final rounding right), and the one rounding is the conversion of that
// exact long double to double.
std::optional<double> ExactHexadecimal(std::string_view text);

}  // namespace tarnvik::reference
