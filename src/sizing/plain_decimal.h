// A number as a user writes it into a request, not into a window box: a
// plain decimal and nothing else, where a box would quietly read "1,5" as
// 1 and "12abc" as 12.
#pragma once

#include <optional>
#include <string_view>

namespace tarnvik::sizing {

// "-"? digits with at most one "." (at least one digit), then an optional
// exponent "e" or "E", a sign and digits; nothing before or after. The
// value is the correctly rounded double. Nothing for any other text, for a
// value too large for a double, and for one that rounds to zero although
// its digits are not all zero.
std::optional<double> ReadPlainDecimal(std::string_view text);

}  // namespace tarnvik::sizing
