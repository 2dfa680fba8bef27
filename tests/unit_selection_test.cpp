#include <regex>

#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

struct LabelCase {
    const char* name;
    int unitRadio;
    int referenceRadio;
    int flowTypeRadio;
    const char* flowText;      // boxes 1002 and 1029
    const char* velocityText;  // box 1010
    const char* cutoffText;    // box 1024
    int flowDecimals;
    int velocityDecimals;
};

// QA70 with air offers every unit, reference and flow type.
class UnitLabels : public WindowTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(UnitLabels, FollowUnitReferenceAndFlowType) {
    const LabelCase& c = GetParam();
    ChooseSensor("QA70");
    Click(c.referenceRadio);
    Click(c.unitRadio);
    Click(c.flowTypeRadio);
    EXPECT_EQ(text(id::kMaxFlowUnit), c.flowText);
    EXPECT_EQ(text(id::kMinFlowUnit), c.flowText);
    EXPECT_EQ(text(id::kVelocityUnit), c.velocityText);
    EXPECT_EQ(text(id::kCutoffVelocityUnit), c.cutoffText);
    auto decimals = [](int n) {
        return std::regex(n == 0 ? "-?[0-9]+" : "-?[0-9]+\\.[0-9]{" + std::to_string(n) + "}");
    };
    EXPECT_TRUE(std::regex_match(text(id::kMaxFlow), decimals(c.flowDecimals)))
        << text(id::kMaxFlow);
    EXPECT_TRUE(std::regex_match(text(id::kMinFlow), decimals(c.flowDecimals)))
        << text(id::kMinFlow);
    EXPECT_TRUE(std::regex_match(text(id::kMaxVelocity), decimals(c.velocityDecimals)));
    EXPECT_TRUE(std::regex_match(text(id::kCutoffVelocity), decimals(c.velocityDecimals)));
}

constexpr int kStd = id::kStandardReference;
constexpr int kNorm = id::kNormReference;
constexpr int kCustom = id::kCustomReference;
constexpr int kFlow = id::kFlowTypeFlow;
constexpr int kAct = id::kFlowTypeActual;
constexpr int kFad = id::kFlowTypeFad;
constexpr int kDry = id::kFlowTypeDryAir;

INSTANTIATE_TEST_SUITE_P(
    Table, UnitLabels,
    ::testing::Values(
        LabelCase{"m3h_standard", id::kUnitM3h, kStd, kFlow, "sm3/h", "sm/s", "m/s", 1, 1},
        LabelCase{"m3h_norm", id::kUnitM3h, kNorm, kFlow, "Nm3/h", "Nm/s", "m/s", 1, 1},
        LabelCase{"m3h_custom", id::kUnitM3h, kCustom, kFlow, "m3/h", "m/s", "m/s", 1, 1},
        LabelCase{"m3h_norm_actual", id::kUnitM3h, kNorm, kAct, "m3/h", "Nm/s", "m/s", 1, 1},
        LabelCase{"m3h_norm_fad", id::kUnitM3h, kNorm, kFad, "m3/h", "Nm/s", "m/s", 1, 1},
        LabelCase{"m3h_norm_dry", id::kUnitM3h, kNorm, kDry, "Nm3/h", "Nm/s", "m/s", 1, 1},
        LabelCase{"m3min_norm", id::kUnitM3min, kNorm, kFlow, "Nm3/min", "Nm/s", "m/s", 1, 1},
        LabelCase{"lmin_standard_actual", id::kUnitLmin, kStd, kAct, "l/min", "sm/s", "m/s", 1, 1},
        LabelCase{"lmin_standard_fad", id::kUnitLmin, kStd, kFad, "l/min", "sm/s", "m/s", 1, 1},
        LabelCase{"ls_standard", id::kUnitLs, kStd, kFlow, "sl/s", "sm/s", "m/s", 1, 1},
        LabelCase{"cfm_standard", id::kUnitCfm, kStd, kFlow, "scfm", "sft/min", "ft/min", 1, 0},
        LabelCase{"cfm_norm", id::kUnitCfm, kNorm, kFlow, "Ncfm", "Nft/min", "ft/min", 1, 0},
        LabelCase{"cfm_custom", id::kUnitCfm, kCustom, kFlow, "cfm", "ft/min", "ft/min", 1, 0},
        LabelCase{"kgh_norm", id::kUnitKgh, kNorm, kFlow, "kg/h", "sm/s", "m/s", 1, 1},
        LabelCase{"kgmin_norm", id::kUnitKgmin, kNorm, kFlow, "kg/min", "sm/s", "m/s", 2, 1},
        LabelCase{"kgs_custom_fad", id::kUnitKgs, kCustom, kFad, "kg/s", "sm/s", "m/s", 3, 1},
        LabelCase{"lbh_standard", id::kUnitLbh, kStd, kFlow, "lb/h", "sm/s", "m/s", 1, 1},
        LabelCase{"th_norm_actual", id::kUnitTh, kNorm, kAct, "t/h", "sm/s", "m/s", 3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

class UnitSelection : public WindowTest {};

TEST_F(UnitSelection, CfmMultipliesVelocitiesByFeetPerMinute) {
    ChooseSensor("QA70");
    Click(id::kUnitM3h);
    const float metres = state().maxVelocity;
    Click(id::kUnitCfm);
    EXPECT_EQ(state().maxVelocity, 200.0f * 196.85f);
    EXPECT_EQ(metres, 200.0f);
    EXPECT_EQ(text(id::kMaxVelocity), "39370");
}

TEST_F(UnitSelection, ClickingAUnitClearsOnlyTheOtherUnits) {
    ChooseSensor("QA70");
    Click(id::kUnitKgh);
    for (int radio : {id::kUnitM3h, id::kUnitM3min, id::kUnitLmin, id::kUnitLs, id::kUnitCfm,
                      id::kUnitKgmin, id::kUnitKgs, id::kUnitLbh, id::kUnitTh})
        EXPECT_FALSE(checked(radio)) << radio;
    EXPECT_TRUE(checked(id::kUnitKgh));
    EXPECT_TRUE(checked(id::kFlowTypeFlow));
    EXPECT_TRUE(checked(id::kStandardReference));
    EXPECT_EQ(state().UnitCode, 52);
}

TEST_F(UnitSelection, ReferenceRadiosWriteAndLockTheReferenceBoxes) {
    ChooseSensor("QA30");
    Click(id::kNormReference);
    EXPECT_EQ(text(id::kReferenceTemperature), "0.0");
    // 1013.25 is a tie at one decimal; exact formatting rounds it to even.
    EXPECT_EQ(text(id::kReferencePressure), "1013.2");
    EXPECT_FALSE(enabled(id::kReferenceTemperature));
    EXPECT_FALSE(enabled(id::kReferencePressure));
    Click(id::kCustomReference);
    EXPECT_TRUE(enabled(id::kReferenceTemperature));
    EXPECT_TRUE(enabled(id::kReferencePressure));
    EXPECT_EQ(text(id::kReferenceTemperature), "0.0");
    EXPECT_EQ(text(id::kReferencePressure), "1013.2");
    // The calculation works with the pressure as the box shows it.
    const std::string norm = text(id::kMaxFlow);
    Type(id::kReferencePressure, "1013.25");
    EXPECT_NE(text(id::kMaxFlow), norm);
    Type(id::kReferencePressure, "1013.2");
    EXPECT_EQ(text(id::kMaxFlow), norm);
    Click(id::kStandardReference);
    EXPECT_EQ(text(id::kReferenceTemperature), "20.0");
    EXPECT_EQ(text(id::kReferencePressure), "1000.0");
}

TEST_F(UnitSelection, FlowTypeRadiosChangeNothingOutsideQA70AndQA90) {
    ChooseSensor("QA40");
    EXPECT_FALSE(window().UserClick(id::kFlowTypeFad));  // disabled
    const std::string flow = text(id::kMaxFlow);
    // Even a program-made check is ignored by these types' results.
    window().SetCheck(id::kFlowTypeActual, true);
    dlg.Recalculate();
    EXPECT_EQ(text(id::kMaxFlow), flow);
    EXPECT_EQ(text(id::kCutoffVelocity), "N/A");
}

TEST_F(UnitSelection, LastCheckedFlowTypeRadioInTestOrderWins) {
    ChooseSensor("QA70");
    window().SetCheck(id::kFlowTypeFlow, true);
    window().SetCheck(id::kFlowTypeFad, true);
    dlg.Recalculate();
    EXPECT_EQ(state().FlowType, 2);
    for (int radio : {id::kFlowTypeFlow, id::kFlowTypeFad}) window().SetCheck(radio, false);
    dlg.Recalculate();
    EXPECT_EQ(state().FlowType, 2);  // nothing checked: the value stays
}

}  // namespace
}  // namespace tarnvik
