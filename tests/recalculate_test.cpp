#include <cmath>

#include "core/numbers.h"
#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

class Recalculate : public WindowTest {};

TEST_F(Recalculate, StartUpShowsQA10AtItsDefaults) {
    // QA10, DN8 (15.0 mm), range S (35.73 sm/s), Air, l/min, standard reference.
    EXPECT_EQ(text(id::kDiameter), "15.0");
    EXPECT_EQ(text(id::kProfileFactor), "0.660");
    EXPECT_EQ(text(id::kMaxFlow), "250.0");
    EXPECT_EQ(text(id::kMaxFlowUnit), "sl/min");
    EXPECT_EQ(text(id::kMinFlow), "5.0");  // divisor 50
    EXPECT_EQ(text(id::kMinFlowUnit), "sl/min");
    EXPECT_EQ(text(id::kMaxVelocity), "35.7");
    EXPECT_EQ(text(id::kVelocityUnit), "sm/s");
    EXPECT_EQ(text(id::kCutoffVelocity), "N/A");
    EXPECT_EQ(text(id::kCutoffVelocityUnit), "m/s");
    EXPECT_EQ(text(id::kStatusLine), "");
}

// The referral of the cut-off velocity to process conditions, done the way
// the window does it, to pin the value before the referral.
float ReferToProcess(float cutoff, float processTemperature, float processPressure) {
    const float t = static_cast<float>((processTemperature + 273.15) * cutoff);
    return t * 1000.0f / 1000.0f / static_cast<float>(20.0f + 273.15) / processPressure;
}

TEST_F(Recalculate, QA70CutoffVelocityFromProcessConditions) {
    ChooseSensor("QA70");
    EXPECT_NEAR(state().CutoffVelocity, ReferToProcess(19.62526f, 35.0f, 7.01325f), 2e-6);
    EXPECT_EQ(text(id::kCutoffVelocity), "2.9");
    ASSERT_TRUE(window().UserChoose(id::kCutoffList, "30"));
    EXPECT_EQ(text(id::kCutoffVelocity), "4.4");
    EXPECT_EQ(state().CutoffFactor, 30.0f);
}

struct DivisorCase {
    const char* name;
    const char* sensor;
    int divisor;
};

class MinimumFlow : public WindowTest, public ::testing::WithParamInterface<DivisorCase> {};

TEST_P(MinimumFlow, IsTheMaximumFlowOverTheTypesDivisor) {
    ChooseSensor(GetParam().sensor);
    const float expected =
        static_cast<float>(static_cast<double>(state().maxFlow) / GetParam().divisor);
    EXPECT_EQ(state().minFlow, expected);
    EXPECT_EQ(text(id::kMinFlow), FormatFixed(expected, 1));
    EXPECT_EQ(text(id::kCutoffVelocity), "N/A");
}

INSTANTIATE_TEST_SUITE_P(
    Types, MinimumFlow,
    ::testing::Values(DivisorCase{"QA10", "QA10", 50}, DivisorCase{"QA20", "QA20", 100},
                      DivisorCase{"QA20V", "QA20-V", 100}, DivisorCase{"QA30", "QA30", 250},
                      DivisorCase{"QA40", "QA40", 250}, DivisorCase{"QA50", "QA50", 250},
                      DivisorCase{"QA60", "QA60", 250}, DivisorCase{"QA80", "QA80", 250}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Recalculate, HeliumAndHydrogenUseFiftyTwoStandardMetresPerSecond) {
    for (const char* gas : {"He", "H2"}) {
        SCOPED_TRACE(gas);
        // Whatever type, section and range: the same velocity (both gas
        // factor tables hold 1.0 for these gases).
        std::vector<std::string> shown;
        ChooseSensor("QA30");
        ChooseGas(gas);
        shown.push_back(text(id::kMaxVelocity));
        ASSERT_TRUE(window().UserChoose(id::kRange, "HS"));
        shown.push_back(text(id::kMaxVelocity));
        ChooseSensor("QA60");
        ChooseGas(gas);
        ASSERT_TRUE(window().UserChoose(id::kSection, "DN80"));
        shown.push_back(text(id::kMaxVelocity));
        ChooseSensor("QA80");
        ChooseGas(gas);
        shown.push_back(text(id::kMaxVelocity));
        for (const std::string& v : shown) EXPECT_EQ(v, shown[0]);

        // QA70 refers 52.0 sm/s to norm conditions (0 C, 1013.2 hPa) alone.
        ChooseSensor("QA70");
        ChooseGas(gas);
        ASSERT_TRUE(window().UserChoose(id::kRange, "HS"));
        const float k = 1000.0f * static_cast<float>(0.0f + 273.15) / (1013.2f * 293.15f);
        EXPECT_EQ(state().maxVelocity, k * 52.0f);
    }
}

TEST_F(Recalculate, DiameterTakesADecimalComma) {
    ChooseSensor("QA30");
    Type(id::kDiameter, "12,5");
    EXPECT_EQ(state().diameter, 12.5f);
    EXPECT_EQ(text(id::kDiameter), "12.5");
    Type(id::kDiameter, "1,2,3");
    EXPECT_EQ(state().diameter, 1.2f);
    EXPECT_EQ(text(id::kDiameter), "1.2.3");
}

TEST_F(Recalculate, OtherBoxesEndTheNumberAtAComma) {
    ChooseSensor("QA30");
    Click(id::kCustomReference);
    Type(id::kReferenceTemperature, "20,5");
    const std::string commaResult = text(id::kMaxFlow);
    Type(id::kReferenceTemperature, "20");
    EXPECT_EQ(text(id::kMaxFlow), commaResult);
    EXPECT_EQ(text(id::kReferenceTemperature), "20");
}

TEST_F(Recalculate, ZeroDiameterShowsZeroFlowAndNoMinimum) {
    for (const char* sensor : {"QA30", "QA70", "QA90"}) {
        ChooseSensor(sensor);
        Type(id::kDiameter, "0");
        SCOPED_TRACE(sensor);
        EXPECT_EQ(text(id::kMaxFlow), "0.0");
        EXPECT_EQ(text(id::kMinFlow), "N/A");
        if (std::string(sensor) != "QA30") {
            EXPECT_EQ(text(id::kCutoffVelocity), "2.9");
        }
    }
}

TEST_F(Recalculate, NegativeAbsolutePressureGivesNoCutoffAndNoMinimum) {
    ChooseSensor("QA70");
    Type(id::kInletPressure, "0.5");
    Type(id::kProcessPressure, "-0.9");  // -0.4 bar absolute
    EXPECT_EQ(text(id::kCutoffVelocity), "N/A");
    EXPECT_EQ(text(id::kMinFlow), "N/A");
    EXPECT_TRUE(std::isnan(state().CutoffVelocity));
}

TEST_F(Recalculate, EmptyInletPressureMakesTheGaugeValueAbsolute) {
    ChooseSensor("QA70");
    Type(id::kInletPressure, "");
    Type(id::kProcessPressure, "7.01325");
    CTarnvikDlg other;
    other.OnInitDialog();
    ASSERT_TRUE(other.Window().UserChoose(id::kSensorType, "QA70"));
    EXPECT_EQ(text(id::kCutoffVelocity), other.Window().GetText(id::kCutoffVelocity));
}

TEST_F(Recalculate, ValuesThatAreNoNumberShowNotAvailable) {
    ChooseSensor("QA30");
    Type(id::kDiameter, "1e39");  // infinite as a float
    EXPECT_EQ(text(id::kMaxFlow), "N/A");
    EXPECT_EQ(text(id::kMinFlow), "N/A");
    Type(id::kDiameter, "nan");
    EXPECT_EQ(text(id::kProfileFactor), "N/A");
    EXPECT_EQ(text(id::kMaxFlow), "N/A");
    ChooseGas("Others");
    Type(id::kDiameter, "50");
    Type(id::kGasConstant, "0");  // the gas-constant ratio becomes infinite
    EXPECT_EQ(text(id::kMaxFlow), "N/A");
    EXPECT_EQ(text(id::kMaxVelocity), "N/A");
}

class ProcessPressureCheck : public WindowTest {
  protected:
    ProcessPressureCheck() { ChooseSensor("QA70"); }
};

TEST_F(ProcessPressureCheck, MinusOneRecalculatesBelowItShowsTheMessage) {
    Type(id::kProcessPressure, "-1");
    EXPECT_TRUE(messages.empty());
    const std::string atMinusOne = text(id::kMaxFlow);
    const long runs = state().recalculations;
    Type(id::kProcessPressure, "-1.5");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Pressure is not correct!");
    EXPECT_EQ(captions[0], "tarnvik");
    EXPECT_EQ(state().recalculations, runs);
    EXPECT_EQ(text(id::kMaxFlow), atMinusOne);
    EXPECT_EQ(text(id::kProcessPressure), "-1.5");  // the box keeps the rejected text
}

TEST_F(ProcessPressureCheck, TypingCharacterByCharacter) {
    Type(id::kProcessPressure, "");
    const long runs = state().recalculations;
    ASSERT_TRUE(window().UserTypeChars(id::kProcessPressure, "-1."));
    EXPECT_EQ(state().recalculations, runs + 3);  // "-", "-1", "-1."
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(window().UserTypeChars(id::kProcessPressure, "5"));
    EXPECT_EQ(state().recalculations, runs + 3);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ProcessPressureCheck, ARejectedTextIsUsedByTheNextRecalculation) {
    Type(id::kProcessPressure, "-1.5");
    ASSERT_EQ(messages.size(), 1u);
    Type(id::kProcessTemperature, "20");
    EXPECT_EQ(text(id::kCutoffVelocity), "N/A");  // -1.5 + 1.01325 < 0 bar absolute
}

TEST(RecalculateDisabled, ChangesNoBox) {
    CTarnvikDlg dlg;
    auto& w = dlg.Window();
    w.SetText(id::kDiameter, "25");
    dlg.Recalculate();
    for (const auto& c : w.Controls()) {
        if (c.id == id::kDiameter) continue;
        EXPECT_EQ(c.text, c.row->kind == platform::ControlKind::InputBox ||
                                  c.row->kind == platform::ControlKind::OutputBox
                              ? ""
                              : std::string(c.row->caption))
            << c.id;
    }
    EXPECT_EQ(dlg.State().recalculations, 0);
}

TEST_F(Recalculate, TransfersWithoutChangesWriteNothing) {
    dlg.LoadBoundTexts();
    const auto revision = window().Revision();
    dlg.StoreBoundTexts();
    EXPECT_EQ(window().Revision(), revision);
}

}  // namespace
}  // namespace tarnvik
