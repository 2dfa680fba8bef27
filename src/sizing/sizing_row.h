// One sensor type / section or diameter / range and what a window shows
// for it: the unit of the range table and of the sensor finder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sizing/window_session.h"

namespace tarnvik::sizing {

// Where a row's window is set before the other options apply.
struct RowPlace {
    std::string sensor;
    std::string section;                       // empty: none chosen
    std::optional<std::string> typedDiameter;  // typed into box 1000, if any
    std::string range;                         // empty: none chosen
    // The canonical name of the pipe whose inner diameter typedDiameter
    // is; empty for a diameter given as a number.
    std::string pipe{};
};

struct SizingRow {
    std::string sensor;
    std::string section;   // empty for a free diameter
    std::string diameter;  // as box 1000 shows it
    std::string range;     // empty for a type without ranges
    Results results;
    std::string pipe{};  // the pipe the diameter was taken from, if any
};

// The places of one sensor type: every section (or given diameter, or the
// window's first diameter) times every range. pipes is empty or holds one
// entry per diameter: the pipe it was taken from, empty for a number.
std::vector<RowPlace> RowPlaces(const std::string& sensor, const std::vector<std::string>& sections,
                                const std::vector<std::string>& diameters,
                                const std::vector<std::string>& ranges,
                                const std::vector<std::string>& pipes = {});

// The working window is reset to the started one, set to the place, then
// driven with values, and the row filled from its boxes. A diameter the
// window refuses is reported as the place's pipe where it came from one.
std::optional<OptionError> RunRow(const StartedWindow& started, WindowSession& working,
                                  OptionValues values, const RowPlace& place, SizingRow& row,
                                  const WindowSession::SkipPolicy& skip = {});

// A shown number, or nothing for "N/A" and any text that is not finite.
std::optional<double> ShownNumber(const std::string& text);

}  // namespace tarnvik::sizing
