// Conversion of a sensor's standard velocity into the flows the calculator
// shows: at reference conditions, at process conditions, dry air and free
// air delivery, in any of the ten flow units.
#pragma once

#include "physics/process_conditions.h"

namespace tarnvik {

// Number of rows of the per-gas sensor factor tables.
inline constexpr int kGasFactorRows = 14;

// The exponent of the Magnus formula at a temperature in degrees C: over
// water above 0, over ice at and below.
double MagnusExponent(float temperature);

// Saturation pressure of water vapour in bar at a temperature in degrees C.
float SaturationVapourPressure(float temperature);

// Partial pressure of water vapour in bar (Magnus formula) for a
// temperature in degrees C and a relative humidity as a fraction.
float VapourPressure(float temperature, float humidity);

// Process density and, for air only (gasIndex 0), the reference density.
// referenceDensity is left untouched for any other gas.
void ComputeDensities(const ProcessConditions& conditions, float& processDensity,
                      float& referenceDensity);

// Rescale a value from reference to process / inlet conditions in place.
void ToProcessConditions(float& value, const ProcessConditions& conditions);
void ToInletConditions(float& value, const ProcessConditions& conditions);

// True units of mass flow (kg/s, kg/h, kg/min, t/h, lb/h).
bool IsMassUnit(int unitCode);

// Fills results; returns true on failure (gasIndex outside the tables),
// in which case results is left as it was.
bool ComputeFlows(float velocity, float flowDensity, float dryAirDensity,
                  const ProcessConditions& conditions, FlowResults& results, int sensor);

}  // namespace tarnvik
