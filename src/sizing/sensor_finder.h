// Which sensor fits? Every sensor type / section / range whose window
// shows a minimum flow of at most X and a maximum flow of at least Y, in
// the user's unit, best fit first; when none does, the nearest ones and
// what they miss. Each candidate is a fresh window driven with the
// request's options, exactly as a user would.
#pragma once

#include <string>
#include <vector>

#include "sizing/sizing_row.h"
#include "sizing/window_options.h"

namespace tarnvik::sizing {

struct FindRequest {
    std::string minFlow;  // X, a plain decimal number as the user wrote it
    std::string maxFlow;  // Y
    // Window options by name; "unit" is required (X and Y are flows in
    // it); "sensor", "section", "range" and "diameter" are not taken.
    std::vector<OptionText> options;
    // Tried for the types with a free diameter, which are left out
    // without them.
    std::vector<std::string> diameters;
    // How messages and notes name an option: "--unit" or "unit".
    std::string optionPrefix = "--";
};

struct FoundRow {
    SizingRow row;
    double minFlow = 0;  // the shown minimum and maximum flow, read back
    double maxFlow = 0;
    std::string misses;  // for a nearest row: what it misses, e.g. "max. flow 3441.9 < 90000"
};

// Types left out for one reason, or an option not used by some types.
struct FindNote {
    std::vector<std::string> sensors;  // in catalogue order
    std::string text;                  // the reason, or the option's name
};

struct FindResult {
    // Set when the request is invalid or the window rejects one of its
    // values (a message box); nothing else is set then.
    std::string error;
    std::vector<FoundRow> fits;     // the smallest maximum flow first
    std::vector<FoundRow> nearest;  // only when nothing fits: up to three, nearest first
    std::vector<FindNote> leftOut;  // by reason, in the reasons' text order
    std::vector<FindNote> notUsed;  // options the windows of these types disable
};

FindResult FindSensors(const FindRequest& request);

}  // namespace tarnvik::sizing
