// Reading numbers from box texts and formatting results, both with the
// "C" locale's rules whatever the process locale is: the window toolkit
// sets the process locale from the environment, and a German desktop must
// not turn 20.5 into 20.
#pragma once

#include <string>
#include <string_view>

namespace tarnvik {

// atof in the "C" locale: leading white space skipped, the longest valid
// prefix converted (hex floats, inf and nan included), 0 when there is none.
// A comma ends the number.
double ParseNumber(std::string_view text);

// printf("%0.<decimals>f") in the "C" locale, correctly rounded.
std::string FormatFixed(double value, int decimals);

// Replaces every ',' by '.' in place.
void CommasToPoints(std::string& text);

}  // namespace tarnvik
