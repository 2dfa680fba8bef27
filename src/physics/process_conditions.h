// The inputs of one flow calculation and the engine's outputs.
#pragma once

#include <cstdint>

namespace tarnvik {

// Gathered afresh from the window's boxes for every calculation.
// Temperatures are in K where the field name says reference/standard,
// in degrees C for process and inlet; pressures in hPa (reference,
// standard) or bar absolute (process, inlet); humidities as fractions.
struct ProcessConditions {
    std::uint8_t gasIndex = 0;
    std::uint8_t unitCode = 0;
    float area = 0.0f;
    float gasConstant = 0.0f;
    float referenceTemperature = 0.0f;
    float referencePressure = 0.0f;
    float standardGasConstant = 0.0f;
    float standardTemperature = 0.0f;
    float standardPressure = 0.0f;
    float processHumidity = 0.0f;
    float diameter = 0.0f;
    float processTemperature = 0.0f;
    float processPressure = 0.0f;
    float inletHumidity = 0.0f;
    float inletTemperature = 0.0f;
    float inletPressure = 0.0f;
};

// Zero defaults so that a record the engine refused to fill (unknown gas)
// never hands indeterminate values to its reader.
struct FlowResults {
    float flow = 0.0f;
    float actualFlow = 0.0f;
    float dryAirFlow = 0.0f;
    float fadFlow = 0.0f;
    float referenceVelocity = 0.0f;
};

}  // namespace tarnvik
