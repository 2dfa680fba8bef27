#include "physics/flow_engine.h"

#include <gtest/gtest.h>

#include <cmath>

#include "named_case.h"

namespace tarnvik {
namespace {

// Air in a 100 mm pipe at standard reference conditions, the process at
// 6 bar(g) with humid air and the inlet at ambient.
ProcessConditions AirExample() {
    ProcessConditions c;
    c.gasIndex = 0;
    c.unitCode = 14;
    c.area = 7853.9f;
    c.diameter = 100.0f;
    c.gasConstant = 287.0f;
    c.referenceTemperature = 293.15f;
    c.referencePressure = 1000.0f;
    c.standardGasConstant = 287.0f;
    c.standardTemperature = 293.15f;
    c.standardPressure = 1000.0f;
    c.processPressure = 7.01325f;
    c.processTemperature = 25.0f;
    c.processHumidity = 0.9f;
    c.inletPressure = 1.01325f;
    c.inletTemperature = 25.0f;
    c.inletHumidity = 0.5f;
    return c;
}

TEST(ComputeFlows, AirExampleInCubicMetresPerHour) {
    FlowResults r;
    EXPECT_FALSE(ComputeFlows(10.0f, 1.0f, 1.0f, AirExample(), r, 0));
    EXPECT_NEAR(r.referenceVelocity, 10.0f, 1e-5);
    EXPECT_NEAR(r.flow, 235.52, 0.005);
    EXPECT_NEAR(r.actualFlow, 34.16, 0.005);
    EXPECT_NEAR(r.dryAirFlow, 234.57, 0.005);
    EXPECT_NEAR(r.fadFlow, 239.18, 0.005);
}

TEST(ComputeFlows, MassUnitMultipliesByTheDensityPassed) {
    ProcessConditions c = AirExample();
    c.unitCode = 52;  // kg/h: no scaling, but a mass unit
    FlowResults r;
    ComputeFlows(10.0f, 1.18858f, 1.0f, c, r, 0);
    EXPECT_NEAR(r.flow, 279.94, 0.005);
}

TEST(ComputeFlows, NormReferenceChangesOnlyTheReferredFlows) {
    ProcessConditions c = AirExample();
    c.referenceTemperature = 273.15f;
    c.referencePressure = 1013.25f;
    FlowResults norm, standard;
    ComputeFlows(10.0f, 1.0f, 1.0f, c, norm, 0);
    ComputeFlows(10.0f, 1.0f, 1.0f, AirExample(), standard, 0);
    EXPECT_NEAR(norm.referenceVelocity / 10.0f, 0.91959, 5e-6);
    EXPECT_NEAR(norm.flow, 216.58, 0.005);
    EXPECT_NEAR(norm.actualFlow, standard.actualFlow, 1e-3);
    EXPECT_NEAR(norm.fadFlow, standard.fadFlow, 1e-3);
}

struct SensorFactorCase {
    const char* name;
    int sensor;
    double k;
};

class CarbonDioxideFactor : public testing::TestWithParam<SensorFactorCase> {};

TEST_P(CarbonDioxideFactor, UsesTheGasConstantRatioAndTheGasFactor) {
    ProcessConditions c = AirExample();
    c.gasIndex = 3;
    c.gasConstant = 188.9f;
    FlowResults r;
    ComputeFlows(1.0f, 1.0f, 1.0f, c, r, GetParam().sensor);
    EXPECT_NEAR(r.referenceVelocity, GetParam().k, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(Positions, CarbonDioxideFactor,
                         testing::Values(SensorFactorCase{"QA10_TableB", 0, 1.00123},
                                         SensorFactorCase{"QA50_TableA", 4, 1.00123},
                                         SensorFactorCase{"QA20V_NoFactor", 8, 1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeFlows, GasFactorTablesDifferWhereTheyShould) {
    ProcessConditions c = AirExample();
    c.gasIndex = 2;  // Ar: 1.308 for QA50/QA60, 1.275 for the others
    c.gasConstant = 287.0f;
    FlowResults a, b, none;
    ComputeFlows(1.0f, 1.0f, 1.0f, c, a, 5);
    ComputeFlows(1.0f, 1.0f, 1.0f, c, b, 7);
    ComputeFlows(1.0f, 1.0f, 1.0f, c, none, 6);
    EXPECT_FLOAT_EQ(a.referenceVelocity, 1.308f);
    EXPECT_FLOAT_EQ(b.referenceVelocity, 1.275f);
    EXPECT_FLOAT_EQ(none.referenceVelocity, 1.0f);
}

TEST(ComputeFlows, ProcessSensorsInMassUnitsShowTheActualFlow) {
    for (int sensor : {6, 9}) {
        ProcessConditions c = AirExample();
        c.unitCode = 53;
        FlowResults r;
        ComputeFlows(10.0f, 8.1f, 1.2f, c, r, sensor);
        EXPECT_EQ(r.flow, r.actualFlow) << "sensor " << sensor;
    }
}

TEST(ComputeFlows, DryHumidityLeavesFlowUnchanged) {
    ProcessConditions c = AirExample();
    c.processHumidity = 0.0f;
    c.inletHumidity = 0.0f;
    FlowResults r;
    ComputeFlows(10.0f, 1.0f, 1.0f, c, r, 0);
    EXPECT_EQ(r.dryAirFlow, r.flow);
    float referred = r.flow;
    ToInletConditions(referred, c);
    EXPECT_NEAR(r.fadFlow, referred, referred * 1e-6);
}

TEST(ComputeFlows, UnknownGasLeavesResultsUntouched) {
    ProcessConditions c = AirExample();
    c.gasIndex = 14;
    FlowResults r;
    r.flow = 42.0f;
    EXPECT_TRUE(ComputeFlows(10.0f, 1.0f, 1.0f, c, r, 0));
    EXPECT_EQ(r.flow, 42.0f);
    c.gasIndex = 255;
    FlowResults fresh;
    EXPECT_TRUE(ComputeFlows(10.0f, 1.0f, 1.0f, c, fresh, 0));
    EXPECT_EQ(fresh.flow, 0.0f);
    EXPECT_EQ(fresh.referenceVelocity, 0.0f);
}

struct UnitCase {
    const char* name;
    int unitCode;
    double scale;  // against m3/h (kg/h for mass units)
};

class UnitScaling : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitScaling, ScalesTheBaseFlow) {
    ProcessConditions c = AirExample();
    FlowResults base, scaled;
    ComputeFlows(10.0f, 1.0f, 1.0f, c, base, 0);
    c.unitCode = static_cast<std::uint8_t>(GetParam().unitCode);
    ComputeFlows(10.0f, 1.0f, 1.0f, c, scaled, 0);
    EXPECT_NEAR(scaled.flow, base.flow * GetParam().scale, base.flow * GetParam().scale * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    AllUnits, UnitScaling,
    testing::Values(UnitCase{"m3_h", 14, 1.0}, UnitCase{"m3_min", 15, 0.01666666},
                    UnitCase{"l_min", 16, 16.66666}, UnitCase{"l_s", 17, 0.277777},
                    UnitCase{"cfm", 18, 0.5885}, UnitCase{"kg_s", 46, 1.0 / 3600},
                    UnitCase{"kg_h", 52, 1.0}, UnitCase{"kg_min", 53, 1.0 / 60},
                    UnitCase{"t_h", 117, 1.0 / 1000}, UnitCase{"lb_h", 118, 2.204622621849}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VapourPressure, BothBranchesMeetAtZero) {
    // 6.112 hPa saturation at 0 degrees C, as bar for full humidity.
    EXPECT_FLOAT_EQ(VapourPressure(0.0f, 1.0f), 0.006112f);
    EXPECT_FLOAT_EQ(VapourPressure(1e-30f, 1.0f), 0.006112f);
    // The ice branch is taken at exactly 0 and below.
    EXPECT_LT(VapourPressure(-10.0f, 1.0f), VapourPressure(10.0f, 1.0f));
    EXPECT_NEAR(VapourPressure(25.0f, 1.0f), 0.0316006, 1e-6);  // 31.6 hPa over water
}

TEST(ComputeDensities, AirGivesBothDensitiesOtherGasesOnlyTheProcessOne) {
    ProcessConditions c = AirExample();
    float process = -1.0f, reference = -1.0f;
    ComputeDensities(c, process, reference);
    EXPECT_NEAR(reference, 1.18858, 5e-6);
    EXPECT_NEAR(process, 8.1, 0.1);
    c.gasIndex = 1;
    c.gasConstant = 296.8f;
    reference = -1.0f;
    ComputeDensities(c, process, reference);
    EXPECT_EQ(reference, -1.0f);
    EXPECT_NEAR(process, 7.01325 * 100000 / 298.15 / 296.8, 1e-4);
}

}  // namespace
}  // namespace tarnvik
