// What a window offers for each sensor type, found by choosing the type in
// a fresh window: the listing, the range table and the sensor finder all
// take the catalogue from here rather than from a copy of its rules.
#pragma once

#include <string>
#include <vector>

#include "sizing/window_session.h"

namespace tarnvik::sizing {

struct SensorOffer {
    std::string name;
    std::vector<std::string> sections;   // empty: the diameter is free
    std::vector<std::string> diameters;  // box 1000 for each section
    std::string defaultDiameter;         // box 1000 right after the choice
    std::vector<std::string> ranges;     // empty: no range list
    std::vector<std::string> gases;
    std::vector<std::string> units;       // enabled unit radios
    std::vector<std::string> flowTypes;   // enabled with the gas Air
    std::vector<std::string> references;  // enabled reference radios
    std::string fixedReference;           // the checked one when none is enabled
    std::vector<std::string> cutoffs;     // empty when the list is disabled

    bool FreeDiameter() const { return sections.empty(); }
};

// One entry per type of the sensor list, in list order.
std::vector<SensorOffer> SurveySensors(const StartedWindow& started);
std::vector<SensorOffer> SurveySensors();

}  // namespace tarnvik::sizing
