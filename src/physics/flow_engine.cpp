#include "physics/flow_engine.h"

#include "physics/deterministic_exp.h"
#include "physics/profile_factor.h"
#include "sensors/sensor_positions.h"

// Every step is single precision unless it says double; a double result is
// rounded to float where it is stored. Literals carry an f where the step is
// single, so that no step is silently widened.

namespace tarnvik {

namespace {

// Per-gas sensor factors by gas list position (row 13 belongs to no gas).
const float GasFactorsA[kGasFactorRows] = {1.0f,  1.0f,  1.308f,  0.659f,  1.0f, 1.0f, 1.22f,
                                           0.34f, 0.34f, 0.9385f, 0.6979f, 1.0f, 1.0f, 1.0f};
const float GasFactorsB[kGasFactorRows] = {1.0f,   1.0f,   1.275f,  0.659f,  1.0f, 1.0f, 1.299f,
                                           0.285f, 0.285f, 0.9385f, 0.6979f, 1.0f, 1.0f, 1.0f};

constexpr int kUnitM3PerMin = 15;
constexpr int kUnitLPerMin = 16;
constexpr int kUnitLPerS = 17;
constexpr int kUnitCfm = 18;
constexpr int kUnitKgPerS = 46;
constexpr int kUnitKgPerH = 52;
constexpr int kUnitKgPerMin = 53;
constexpr int kUnitTPerH = 117;
constexpr int kUnitLbPerH = 118;

float ScaleToUnit(float q, int unitCode) {
    switch (unitCode) {
        case kUnitM3PerMin:
            return static_cast<float>(q * 0.01666666);
        case kUnitLPerMin:
            return static_cast<float>(q * 16.66666);
        case kUnitLPerS:
            return static_cast<float>(q * 0.277777);
        case kUnitCfm:
            return static_cast<float>(q * 0.5885);
        case kUnitKgPerS:
            return q / 3600.0f;
        case kUnitKgPerMin:
            return q / 60.0f;
        case kUnitTPerH:
            return q / 1000.0f;
        case kUnitLbPerH:
            return static_cast<float>(q * 2.204622621849);
        default:
            return q;  // m3/h and kg/h need no scaling
    }
}

// Density of moist air in kg/m3 from an absolute pressure in bar, a vapour
// pressure in bar and a temperature; all in double.
float MoistAirDensity(float pressure, float vapourPressure, double kelvin) {
    return static_cast<float>((pressure - 0.3779 * vapourPressure) * 348.43 / kelvin);
}

void Rescale(float& x, float temperature, float pressure, const ProcessConditions& c) {
    const float kelvin = static_cast<float>(temperature + 273.15);
    x = kelvin * x;
    x = x * c.referencePressure;
    x = x / 1000.0f;
    x = x / c.referenceTemperature;
    x = x / pressure;
}

}  // namespace

bool IsMassUnit(int unitCode) {
    return unitCode == kUnitKgPerS || unitCode == kUnitKgPerH || unitCode == kUnitKgPerMin ||
           unitCode == kUnitTPerH || unitCode == kUnitLbPerH;
}

double MagnusExponent(float t) {
    if (t > 0.0f) return 17.62 * t / (t + 243.12);  // over water
    return 22.46 * t / (t + 272.62);                // over ice
}

// The one exponential of the calculation is our own, so that every
// platform gives the same bits.
float SaturationVapourPressure(float t) {
    return static_cast<float>(6.112 * DeterministicExp(MagnusExponent(t)) / 10.0);
}

float VapourPressure(float t, float humidity) {
    return SaturationVapourPressure(t) * humidity / 100.0f;
}

void ComputeDensities(const ProcessConditions& c, float& processDensity, float& referenceDensity) {
    const float kelvin = static_cast<float>(c.processTemperature + 273.15);
    if (c.gasIndex == 0) {
        const float e = VapourPressure(c.processTemperature, c.processHumidity);
        processDensity = MoistAirDensity(c.processPressure, e, kelvin);
        referenceDensity = c.referencePressure / c.referenceTemperature / c.gasConstant * 100.0f;
    } else {
        processDensity = c.processPressure * 100000.0f / kelvin / c.gasConstant;
    }
}

void ToProcessConditions(float& value, const ProcessConditions& c) {
    Rescale(value, c.processTemperature, c.processPressure, c);
}

void ToInletConditions(float& value, const ProcessConditions& c) {
    Rescale(value, c.inletTemperature, c.inletPressure, c);
}

bool ComputeFlows(float velocity, float flowDensity, float dryAirDensity,
                  const ProcessConditions& c, FlowResults& results, int sensor) {
    if (c.gasIndex >= kGasFactorRows) return true;

    const float n = c.standardPressure * c.referenceTemperature;
    const float* gasFactors = nullptr;
    switch (sensor) {
        case kQA50:
        case kQA60:
            gasFactors = GasFactorsA;
            break;
        case kQA10:
        case kQA20:
        case kQA30:
        case kQA40:
        case kQA80:
            gasFactors = GasFactorsB;
            break;
        default:
            break;  // QA70, QA20-V and QA90 have no gas factor
    }
    const float k = gasFactors
                        ? (n * c.standardGasConstant) /
                              ((c.standardTemperature * c.gasConstant) * c.referencePressure) *
                              gasFactors[c.gasIndex]
                        : n / (c.referencePressure * c.standardTemperature);

    const float profile = static_cast<float>(ProfileFactor(sensor, c.diameter));
    const float referenceVelocity = k * velocity;
    float flow = referenceVelocity * ((c.area * 0.0036f) * profile);
    flow = ScaleToUnit(flow, c.unitCode);

    float actualFlow = flow;
    ToProcessConditions(actualFlow, c);

    const float ep = VapourPressure(c.processTemperature, c.processHumidity);
    float dryAirFlow = ((c.processPressure - ep) * flow) / c.processPressure;

    const float ei = VapourPressure(c.inletTemperature, c.inletHumidity);
    const float inletDensity =
        MoistAirDensity(c.inletPressure, ei, static_cast<double>(c.inletTemperature) + 273.15);

    float fadFlow =
        ((((c.processPressure - ep) * flow) / (c.inletPressure - ei)) * c.inletPressure) /
        c.processPressure;
    ToInletConditions(fadFlow, c);

    if (IsMassUnit(c.unitCode)) {
        actualFlow = flowDensity * actualFlow;
        flow = IsProcessSensor(sensor) ? actualFlow : flowDensity * flow;
        dryAirFlow = dryAirDensity * dryAirFlow;
        fadFlow = inletDensity * fadFlow;
    }

    results.flow = flow;
    results.actualFlow = actualFlow;
    results.dryAirFlow = dryAirFlow;
    results.fadFlow = fadFlow;
    results.referenceVelocity = referenceVelocity;
    return false;
}

}  // namespace tarnvik
