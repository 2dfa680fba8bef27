#include "locale_guard.h"
#include "ui/dialog_template.h"
#include "ui/event_wiring.h"
#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

class StartUp : public WindowTest {};

TEST_F(StartUp, LeavesTheStateTheWindowOpensWith) {
    EXPECT_EQ(state().SensorIndex, 0);
    EXPECT_EQ(window().GetSelection(id::kSensorType), 0);
    EXPECT_EQ(Items(id::kSensorType),
              (std::vector<std::string>{"QA10", "QA20", "QA30", "QA40", "QA50", "QA60", "QA70",
                                        "QA80", "QA20-V", "QA90"}));
    EXPECT_EQ(Items(id::kGasType), (std::vector<std::string>{"Air", "N2"}));
    EXPECT_EQ(window().GetSelection(id::kGasType), 0);
    EXPECT_EQ(Items(id::kCutoffList), (std::vector<std::string>{"20", "30"}));
    EXPECT_EQ(window().GetSelection(id::kCutoffList), 0);
    EXPECT_EQ(text(id::kGasConstant), "287.0");
    EXPECT_FALSE(enabled(id::kGasConstant));
    EXPECT_TRUE(checked(id::kUnitLmin));
    EXPECT_EQ(state().UnitCode, 16);
    EXPECT_TRUE(checked(id::kStandardReference));
    EXPECT_TRUE(state().standardReference);
    EXPECT_EQ(state().velocityFactor, 1.0f);
    EXPECT_EQ(state().CutoffFactor, 20.0f);
    EXPECT_EQ(state().FlowType, 0);
    EXPECT_EQ(state().CalculationEnabled, 1);
    EXPECT_EQ(state().GasCount, 14);
    EXPECT_EQ(state().VisibleGasCount, 2);

    const std::pair<int, const char*> boxes[] = {
        {id::kProcessPressure, "6.0"},       {id::kProcessTemperature, "35.0"},
        {id::kProcessHumidity, "90.0"},      {id::kInletPressure, "1.01325"},
        {id::kInletTemperature, "25.0"},     {id::kInletHumidity, "50.0"},
        {id::kReferenceTemperature, "20.0"}, {id::kReferencePressure, "1000.0"},
        {id::kVelocityUnit, "sm/s"},         {id::kCutoffVelocityUnit, "m/s"},
        {id::kMinFlowUnit, "sl/min"},        {id::kMaxFlowUnit, "sl/min"},
    };
    for (const auto& [control, expected] : boxes) EXPECT_EQ(text(control), expected) << control;
    // The template's captions and place until a type change moves them.
    EXPECT_EQ(text(id::kReferenceTemperatureLabel), "Reference temperature");
    EXPECT_EQ(window().Find(id::kDegreesLabel)->x, 144);
    EXPECT_EQ(window().Find(id::kDegreesLabel)->y, 481);
    EXPECT_TRUE(window().IconSet());
}

TEST_F(StartUp, OnlyTheFinalGasSelectionRecalculates) {
    EXPECT_EQ(state().recalculations, 2);  // inside the reference selection, then its own
}

TEST_F(StartUp, ResultFontsOnTheResultArea) {
    using platform::FontRole;
    for (int control : {id::kMaxFlowLabel, id::kMinFlowLabel, id::kMaxVelocityLabel,
                        id::kMaxVelocity, id::kVelocityUnit, id::kCutoffVelocityLabel,
                        id::kCutoffVelocity, id::kCutoffVelocityUnit})
        EXPECT_EQ(window().Find(control)->font, FontRole::Result) << control;
    for (int control : {id::kMaxFlow, id::kMaxFlowUnit, id::kMinFlow, id::kMinFlowUnit})
        EXPECT_EQ(window().Find(control)->font, FontRole::ResultBold) << control;
    int plain = 0;
    for (const auto& c : window().Controls()) plain += c.font == FontRole::Dialog;
    EXPECT_EQ(plain, 74 - 12);
}

TEST_F(StartUp, EnterLoadsTheTextsAndEndsWithOk) {
    ChooseSensor("QA30");
    window().UserType(id::kDiameter, "80");
    window().SetText(id::kReferenceTemperature, "21");  // no handler runs inside the OK path
    window().UserEnter();
    EXPECT_EQ(window().Result(), platform::DialogResult::Ok);
    EXPECT_EQ(state().referenceTemperatureText, "21");
    EXPECT_FALSE(window().UserType(id::kDiameter, "90"));  // an ended window takes no input
}

TEST_F(StartUp, EscapeCancelsAndReleasesTheGasList) {
    window().UserEscape();
    EXPECT_EQ(window().Result(), platform::DialogResult::Cancel);
    EXPECT_EQ(state().gasList.filled, 0);
    dlg.OnGasChanged();  // a late call finds no gas and does nothing
    EXPECT_EQ(text(id::kGasConstant), "287.0");
}

TEST_F(StartUp, WindowsAreIndependent) {
    CTarnvikDlg other;
    other.OnInitDialog();
    ChooseSensor("QA70");
    EXPECT_EQ(other.State().SensorIndex, 0);
    EXPECT_EQ(other.Window().GetText(id::kMaxFlow), "250.0");
}

TEST_F(StartUp, ACopyIsAnIndependentWindowInTheSameState) {
    CTarnvikDlg copy(dlg);
    auto sameControls = [](const platform::Dialog& a, const platform::Dialog& b) {
        for (std::size_t i = 0; i < a.Controls().size(); ++i) {
            const auto& x = a.Controls()[i];
            const auto& y = b.Controls()[i];
            if (x.text != y.text || x.enabled != y.enabled || x.checked != y.checked ||
                x.items != y.items || x.selection != y.selection || x.x != y.x || x.font != y.font)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(sameControls(copy.Window(), window()));
    std::vector<std::string> copied;
    copy.Window().SetMessageBoxHook(
        [&](std::string_view text, std::string_view) { copied.emplace_back(text); });
    ASSERT_TRUE(copy.Window().UserChoose(id::kSensorType, "QA70"));
    ASSERT_TRUE(copy.Window().UserType(id::kProcessPressure, "-2"));
    EXPECT_EQ(copied.size(), 1u);
    EXPECT_TRUE(messages.empty());  // the original's hook was not copied
    EXPECT_EQ(state().SensorIndex, 0);
    EXPECT_EQ(text(id::kMaxFlow), "250.0");
    // Driven alike, the copy and the original show the same.
    ChooseSensor("QA70");
    Type(id::kProcessPressure, "-2");
    EXPECT_TRUE(sameControls(copy.Window(), window()));
}

// Every box text of a window driven the same way.
std::vector<std::string> DriveAndRead() {
    CTarnvikDlg dlg;
    dlg.OnInitDialog();
    auto& w = dlg.Window();
    w.UserChoose(id::kSensorType, "QA70");
    w.UserType(id::kDiameter, "12,5");
    w.UserType(id::kProcessPressure, "6.5");
    w.UserClick(id::kUnitKgmin);
    std::vector<std::string> texts;
    for (const auto& c : w.Controls()) texts.push_back(c.text);
    return texts;
}

TEST(Locale, DecimalCommaLocaleGivesTheSameWindow) {
    const std::vector<std::string> c = DriveAndRead();
    testing_support::LocaleGuard guard(testing_support::kDecimalCommaLocale);
    if (!guard.ok())
        GTEST_SKIP()
            << "locale de_DE.UTF-8 is not installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
    EXPECT_EQ(DriveAndRead(), c);
}

TEST(DialogTemplate, RowsGeometryAndGroups) {
    const platform::DialogTemplate& t = MainDialogTemplate();
    EXPECT_EQ(t.caption, "Tarnvik Calculator V3.3");
    ASSERT_EQ(t.rows.size(), 74u);
    EXPECT_EQ(platform::UnitsToPixelsX(t.width), 707);
    EXPECT_EQ(platform::UnitsToPixelsY(t.height), 564);
    EXPECT_EQ(t.rows[0].id, 1003);
    EXPECT_EQ(t.rows[73].id, 1056);
    EXPECT_EQ(t.rows[62].caption, "Standard reference conditions");
    int tabs = 0;
    for (const auto& r : t.rows) tabs += r.tab;
    EXPECT_EQ(tabs, 24);
}

TEST(EventWiring, EveryInputHasExactlyOneHandler) {
    std::vector<std::pair<int, platform::Event>> seen;
    for (const EventWiring& w : MainEventWiring()) {
        for (const auto& s : seen) EXPECT_FALSE(s.first == w.id && s.second == w.event) << w.id;
        seen.emplace_back(w.id, w.event);
    }
    EXPECT_EQ(seen.size(), 5u + 10u + 10u + 4u + 3u + 2u);
}

// The direct lookup the window dispatches through answers exactly as the
// wiring table does, for every id of the range, the commands and beyond.
TEST(EventWiring, DirectLookupAgreesWithTheTable) {
    using platform::Event;
    std::vector<int> ids = {0, platform::kFirstControlId - 1,
                            platform::kFirstControlId + platform::kControlIdSpan};
    for (int i = 0; i < platform::kControlIdSpan; ++i) ids.push_back(platform::kFirstControlId + i);
    for (int control : ids) {
        for (int e = 0; e < platform::kEventCount; ++e) {
            const auto event = static_cast<Event>(e);
            WiredHandler wired = nullptr;
            for (const EventWiring& w : MainEventWiring())
                if (w.id == control && w.event == event) wired = w.handler;
            EXPECT_EQ(HandlerFor(control, event), wired) << control << " event " << e;
            EXPECT_EQ(MainHandledEvents().Takes(control, event), wired != nullptr)
                << control << " event " << e;
        }
    }
}

}  // namespace
}  // namespace tarnvik
