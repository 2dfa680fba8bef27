// The fixed catalogue of the ten sensor types: names, measuring sections
// with their inner diameters, measuring ranges and maximum velocities.
#pragma once

#include <span>
#include <string_view>

#include "sensors/sensor_positions.h"

namespace tarnvik {

extern const std::string_view SensorNames[kSensorCount];

// What the window needs to set up its section and range lists for a type.
struct SensorInfo {
    std::string_view name;
    std::span<const std::string_view> sections;  // empty: free diameter
    std::span<const float> innerDiameters;       // by section position
    std::span<const std::string_view> ranges;    // empty: no range list
    int defaultRange;                            // -1 without ranges
    int minFlowDivisor;                          // 0 for QA70/QA90 (cut-off based)
};

// sensor must be 0..kSensorCount-1.
const SensorInfo& GetSensorInfo(int sensor);

inline bool HasFreeDiameter(int sensor) {
    return GetSensorInfo(sensor).sections.empty();
}

inline constexpr float FreeDiameterDefault = 54.0f;

// Inner diameter of a section; 0 for a position outside the type's table.
float SectionDiameter(int sensor, int section);

// Maximum velocity in sm/s. section and range are list positions, -1 for an
// empty list. While the sensor type changes the positions can belong to the
// previous type; a position outside a table gives 0 rather than a read past it.
float LookupMaxVelocity(int sensor, int section, int range);

struct CutoffOption {
    std::string_view text;
    float value;
};
inline constexpr CutoffOption CutoffOptions[2] = {{"20", 20.0f}, {"30", 30.0f}};

}  // namespace tarnvik
