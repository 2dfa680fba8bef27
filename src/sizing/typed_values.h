// Typed values the window would read only in part, or not at all. The
// window reads a box's text up to where a number ends and takes what it
// got: "7,5" is 7, "2in" is 2 mm, "abc" and the empty text are 0. A user
// at the window sees the result change as they type; a script does not,
// so the command line refuses such values unless it is asked to type
// them as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sizing/window_options.h"

namespace tarnvik::sizing {

// How the caller names the way to type values as they are, for the
// message: "--as-typed" on the command line, "\"as-typed\": true" in a
// batch line.
struct StrictNaming {
    std::string_view optionPrefix;  // "--" or ""
    std::string_view asTyped;
};

// Empty when the window reads the whole value of a typed option (white
// space around it aside; the diameter also with a decimal comma); else
// what the window would read and what to write instead. Options that are
// not typed into a box are never refused here.
std::string TypedValueProblem(Opt opt, std::string_view value, const StrictNaming& naming);

// The first problem of the typed options in values, in the order of
// application, then of the extra diameters (a table's or finder's list).
std::string TypedValuesProblem(const OptionValues& values, const StrictNaming& naming,
                               const std::vector<std::string>& diameters = {});

}  // namespace tarnvik::sizing
