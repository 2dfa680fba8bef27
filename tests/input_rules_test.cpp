#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

struct RuleCase {
    const char* name;
    const char* sensor;
    const char* gas;
    bool process;  // cut-off list, process pressure and temperature, Flow, Act. flow, t/h, lb/h
    bool air;      // humidity, inlet boxes, Dry air flow, FAD
};

class InputRules : public WindowTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(InputRules, EnableByTypeAndGas) {
    const RuleCase& c = GetParam();
    ChooseSensor(c.sensor);
    ChooseGas(c.gas);
    for (int control : {id::kCutoffList, id::kProcessPressure, id::kProcessTemperature,
                        id::kFlowTypeFlow, id::kFlowTypeActual, id::kUnitTh, id::kUnitLbh})
        EXPECT_EQ(enabled(control), c.process) << control;
    for (int control : {id::kProcessHumidity, id::kInletPressure, id::kInletTemperature,
                        id::kInletHumidity, id::kFlowTypeDryAir, id::kFlowTypeFad})
        EXPECT_EQ(enabled(control), c.process && c.air) << control;
    EXPECT_EQ(checked(id::kFlowTypeFlow), c.process);
    for (int radio : {id::kFlowTypeActual, id::kFlowTypeDryAir, id::kFlowTypeFad})
        EXPECT_FALSE(checked(radio)) << radio;
    for (int radio : {id::kUnitM3h, id::kUnitM3min, id::kUnitLmin, id::kUnitLs, id::kUnitCfm,
                      id::kUnitKgh, id::kUnitKgmin, id::kUnitKgs})
        EXPECT_TRUE(enabled(radio)) << radio;
    EXPECT_EQ(state().FlowType, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, InputRules,
                         ::testing::Values(RuleCase{"QA70_air", "QA70", "Air", true, true},
                                           RuleCase{"QA90_air", "QA90", "Air", true, true},
                                           RuleCase{"QA70_co2", "QA70", "CO2", true, false},
                                           RuleCase{"QA90_others", "QA90", "Others", true, false},
                                           RuleCase{"QA10_air", "QA10", "Air", false, true},
                                           RuleCase{"QA40_n2", "QA40", "N2", false, false},
                                           RuleCase{"QA20V_air", "QA20-V", "Air", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class InputRuleTransitions : public WindowTest {};

TEST_F(InputRuleTransitions, AnyGasChoiceChecksFlowAgain) {
    ChooseSensor("QA70");
    for (const char* gas : {"Air", "N2"}) {
        ChooseGas("Air");
        Click(id::kFlowTypeFad);
        EXPECT_EQ(state().FlowType, 2);
        ChooseGas(gas);
        EXPECT_TRUE(checked(id::kFlowTypeFlow)) << gas;
        EXPECT_FALSE(checked(id::kFlowTypeFad)) << gas;
        EXPECT_EQ(state().FlowType, 0) << gas;
    }
}

TEST_F(InputRuleTransitions, TonnesPerHourFallsBackToCubicMetresPerHour) {
    ChooseSensor("QA70");
    Click(id::kUnitTh);
    ChooseSensor("QA40");
    EXPECT_FALSE(enabled(id::kUnitTh));
    EXPECT_FALSE(enabled(id::kUnitLbh));
    EXPECT_FALSE(checked(id::kUnitTh));
    EXPECT_TRUE(checked(id::kUnitM3h));
    EXPECT_EQ(state().UnitCode, 14);
    EXPECT_EQ(text(id::kMaxFlowUnit), "sm3/h");
    // A direct rules run with t/h checked falls back on its own.
    window().SetCheck(id::kUnitM3h, false);
    window().SetCheck(id::kUnitLbh, true);
    dlg.ApplyInputRules();
    EXPECT_TRUE(checked(id::kUnitM3h));
    EXPECT_FALSE(checked(id::kUnitLbh));
    EXPECT_EQ(state().UnitCode, 14);
}

TEST_F(InputRuleTransitions, AnotherMassUnitKeepsItsCheck) {
    ChooseSensor("QA40");
    Click(id::kUnitKgh);
    dlg.ApplyInputRules();
    EXPECT_TRUE(checked(id::kUnitKgh));
    EXPECT_FALSE(checked(id::kUnitM3h));
    EXPECT_EQ(state().UnitCode, 52);
}

TEST_F(InputRuleTransitions, FadOnQA70ThenQA40IsLabelledAtReferenceConditions) {
    ChooseSensor("QA70");
    Click(id::kFlowTypeFad);
    EXPECT_EQ(text(id::kMaxFlowUnit), "m3/h");
    ChooseSensor("QA40");
    EXPECT_EQ(state().FlowType, 0);
    EXPECT_EQ(text(id::kMaxFlowUnit), "sm3/h");
}

TEST_F(InputRuleTransitions, ReferenceBoxesAreEnabledWhenTheRulesReturn) {
    ChooseSensor("QA30");  // standard reference: both boxes disabled
    ASSERT_FALSE(enabled(id::kReferenceTemperature));
    dlg.ApplyInputRules();
    EXPECT_TRUE(enabled(id::kReferenceTemperature));
    EXPECT_TRUE(enabled(id::kReferencePressure));
}

}  // namespace
}  // namespace tarnvik
