#include "ui/accessible_text.h"

#include <gtest/gtest.h>

#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

class AccessibleTextTest : public WindowTest {
  protected:
    AccessibleText Of(int control) {
        const auto controls = window().Controls();
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i].id == control) return DescribeControl(window(), i);
        ADD_FAILURE() << "no control " << control;
        return {};
    }
};

TEST_F(AccessibleTextTest, BoxesAndListsTakeTheirLabels) {
    struct Row {
        int control;
        const char* name;
    };
    const Row rows[] = {
        {id::kProcessPressure, "Process pressure (bar(g))"},
        {id::kMaxFlow, "Max. flow"},
        {id::kSensorType, "Sensor type"},
        {id::kDiameter, "Pipe inner diameter (mm)"},
        {id::kCutoffList, "Cut-off velocity (sm/s)"},
        {id::kCutoffVelocity, "Cut-off velocity"},
        {id::kReferenceTemperature, "Reference temperature (°C)"},
        {id::kReferencePressure, "Reference pressure (hPa)"},
        {id::kMinFlowUnit, "Min. flow unit"},
        {id::kInletHumidity, "Inlet humidity (%)"},
    };
    for (const Row& r : rows) EXPECT_EQ(Of(r.control).name, r.name) << r.control;
}

TEST_F(AccessibleTextTest, EveryBoxAndListHasAName) {
    const auto controls = window().Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto kind = controls[i].kind;
        if (kind == platform::ControlKind::InputBox || kind == platform::ControlKind::OutputBox ||
            kind == platform::ControlKind::Combo || kind == platform::ControlKind::Radio) {
            EXPECT_FALSE(DescribeControl(window(), i).name.empty()) << controls[i].id;
        }
    }
}

TEST_F(AccessibleTextTest, ResultsDescribeTheirUnitAsShown) {
    EXPECT_EQ(Of(id::kMaxFlow).description, "sl/min");
    EXPECT_EQ(Of(id::kMaxVelocity).description, "sm/s");
    Click(id::kUnitCfm);
    EXPECT_EQ(Of(id::kMaxFlow).description, "scfm");
    EXPECT_EQ(Of(id::kCutoffVelocity).description, "ft/min");
    EXPECT_EQ(Of(id::kDiameter).description, "");
}

TEST_F(AccessibleTextTest, RenamedLabelsRenameTheirBoxes) {
    ChooseSensor("QA20-V");
    EXPECT_EQ(Of(id::kReferenceTemperature).name, "Actual temperature (°C)");
    EXPECT_EQ(Of(id::kReferencePressure).name, "Actual pressure (mbar(a))");
}

TEST_F(AccessibleTextTest, RadiosNameTheirGroup) {
    EXPECT_EQ(Of(id::kUnitKgh).group, "Flow unit");
    EXPECT_EQ(Of(id::kUnitKgh).name, "kg/h");
    EXPECT_EQ(Of(id::kFlowTypeFad).group, "Flow type");
    EXPECT_EQ(Of(id::kNormReference).group, "Medium and Reference");
    EXPECT_EQ(Of(id::kDiameter).group, "");
}

}  // namespace
}  // namespace tarnvik
