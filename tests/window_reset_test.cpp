// Resetting a used window to a started one, the way drivers that need many
// fresh windows get them: the reset window must be indistinguishable from a
// freshly started one, stay wired to itself and keep its own message box.
#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "action_replay.h"
#include "core/control_ids.h"
#include "named_case.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {
namespace {

// Floats compare by their bits, so that a NaN result equals itself.
bool Same(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

std::string Quoted(const std::string& text) {
    return "\"" + text.substr(0, 40) + (text.size() > 40 ? "...\"" : "\"");
}

// Empty when the two windows show and hold the same, otherwise the first
// difference found.
std::string Difference(const CTarnvikDlg& a, const CTarnvikDlg& b) {
    std::ostringstream out;
    const platform::Dialog& x = a.Window();
    const platform::Dialog& y = b.Window();
    if (&x.Template() != &y.Template()) return "template";
    if (x.Controls().size() != y.Controls().size()) return "number of controls";
    for (std::size_t i = 0; i < x.Controls().size(); ++i) {
        const platform::Control& c = x.Controls()[i];
        const platform::Control& d = y.Controls()[i];
        out << "control #" << i << " (" << c.id << ") ";
        if (c.id != d.id || c.kind != d.kind || c.row != d.row) return out.str() + "identity";
        if (c.text != d.text) return out.str() + "text " + Quoted(c.text) + " vs " + Quoted(d.text);
        if (c.enabled != d.enabled) return out.str() + "enabled";
        if (c.checked != d.checked) return out.str() + "checked";
        if (c.items != d.items) return out.str() + "items";
        if (c.selection != d.selection) return out.str() + "selection";
        if (c.x != d.x || c.y != d.y || c.width != d.width || c.height != d.height)
            return out.str() + "position";
        if (c.font != d.font) return out.str() + "font";
        if (c.radioGroup != d.radioGroup) return out.str() + "radio group";
        out.str("");
    }
    if (x.Result() != y.Result()) return "dialog result";
    if (x.IconSet() != y.IconSet()) return "icon";
    if (a.ApplicationName() != b.ApplicationName()) return "application name";

    const CalculatorState& s = a.State();
    const CalculatorState& t = b.State();
    const std::string CalculatorState::*texts[] = {
        &CalculatorState::diameterText,
        &CalculatorState::maxFlowText,
        &CalculatorState::maxFlowUnitText,
        &CalculatorState::profileFactorText,
        &CalculatorState::referenceTemperatureText,
        &CalculatorState::referencePressureText,
        &CalculatorState::maxVelocityText,
        &CalculatorState::processPressureText,
        &CalculatorState::gasConstantText,
        &CalculatorState::processTemperatureText,
        &CalculatorState::velocityUnitText,
    };
    for (const auto member : texts)
        if (s.*member != t.*member)
            return "bound text " + Quoted(s.*member) + " vs " + Quoted(t.*member);
    const float CalculatorState::*floats[] = {
        &CalculatorState::diameter,       &CalculatorState::maxFlow,
        &CalculatorState::minFlow,        &CalculatorState::maxVelocity,
        &CalculatorState::velocityFactor, &CalculatorState::CutoffFactor,
        &CalculatorState::CutoffVelocity,
    };
    for (const auto member : floats)
        if (!Same(s.*member, t.*member)) return "a float member of the state";
    const int CalculatorState::*ints[] = {
        &CalculatorState::CalculationEnabled, &CalculatorState::SensorIndex,
        &CalculatorState::UnitCode,           &CalculatorState::FlowType,
        &CalculatorState::GasCount,           &CalculatorState::VisibleGasCount,
    };
    for (const auto member : ints)
        if (s.*member != t.*member) return "an integer member of the state";
    if (s.standardReference != t.standardReference || s.normReference != t.normReference)
        return "reference flags";
    if (s.recalculations != t.recalculations) return "recalculation count";
    if (s.gasList.filled != t.gasList.filled ||
        s.gasList.entries.size() != t.gasList.entries.size())
        return "gas list size";
    for (std::size_t i = 0; i < s.gasList.entries.size(); ++i) {
        const GasEntry& g = s.gasList.entries[i];
        const GasEntry& h = t.gasList.entries[i];
        if (g.name != h.name || !Same(g.gasConstant, h.gasConstant)) return "gas list entry";
    }
    return "";
}

// A started window whose message boxes are recorded.
struct Recorded {
    CTarnvikDlg dlg{"tarnvik-calc"};
    std::vector<std::string> messages;

    Recorded() {
        dlg.Window().SetMessageBoxHook(
            [this](std::string_view text, std::string_view) { messages.emplace_back(text); });
        dlg.OnInitDialog();
    }
    Recorded(const Recorded&) = delete;
    Recorded& operator=(const Recorded&) = delete;
};

struct Use {
    const char* name;
    std::function<void(platform::Dialog&)> act;
};

const std::string kLong(5000, '7');

const Use kUses[] = {
    {"untouched", [](platform::Dialog&) {}},
    {"qa20v_captions_moved",
     [](platform::Dialog& w) {
         w.UserChoose(id::kSensorType, "QA20-V");
         w.UserType(id::kReferenceTemperature, "15");
     }},
    {"message_box_shown",
     [](platform::Dialog& w) {
         w.UserChoose(id::kSensorType, "QA70");
         w.UserType(id::kProcessPressure, "-2");
     }},
    {"long_texts",
     [](platform::Dialog& w) {
         w.UserChoose(id::kSensorType, "QA70");
         w.UserChoose(id::kGasType, "Others");
         for (int box : {id::kDiameter, id::kProcessPressure, id::kProcessTemperature,
                         id::kGasConstant, id::kInletHumidity})
             w.UserType(box, kLong);
     }},
    {"process_sensor_cfm_fad_custom",
     [](platform::Dialog& w) {
         w.UserChoose(id::kSensorType, "QA90");
         w.UserChoose(id::kCutoffList, "30");
         w.UserClick(id::kUnitCfm);
         w.UserClick(id::kFlowTypeFad);
         w.UserClick(id::kCustomReference);
         w.UserType(id::kReferenceTemperature, "12,5");
     }},
    {"ended_by_escape", [](platform::Dialog& w) { w.UserEscape(); }},
    {"ended_by_enter",
     [](platform::Dialog& w) {
         w.UserType(id::kDiameter, "80");
         w.UserEnter();
     }},
};

// What a driver does next with a fresh window, a rejected pressure included.
void Follow(platform::Dialog& w) {
    w.UserChoose(id::kSensorType, "QA70");
    w.UserClick(id::kUnitKgh);
    w.UserType(id::kProcessPressure, "7");
    w.UserType(id::kProcessPressure, "");
    w.UserTypeChars(id::kProcessPressure, "-1.5");  // rejected at the last character
}

class ResetAfterUse : public ::testing::TestWithParam<Use> {};

TEST_P(ResetAfterUse, GivesAFreshStartedWindowWiredToItself) {
    Recorded started;
    Recorded working;
    Recorded fresh;
    GetParam().act(working.dlg.Window());
    const std::size_t messagesBefore = working.messages.size();

    working.dlg = started.dlg;
    EXPECT_EQ(Difference(working.dlg, fresh.dlg), "");

    Follow(working.dlg.Window());
    Follow(fresh.dlg.Window());
    ASSERT_EQ(fresh.messages.size(), 1u);
    EXPECT_EQ(Difference(working.dlg, fresh.dlg), "");
    // The working window's own hook took the message, not the started one's.
    EXPECT_EQ(std::vector<std::string>(
                  working.messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore),
                  working.messages.end()),
              fresh.messages);
    EXPECT_TRUE(started.messages.empty());
    // The started window saw none of it.
    Recorded again;
    EXPECT_EQ(Difference(started.dlg, again.dlg), "");
}

INSTANTIATE_TEST_SUITE_P(Uses, ResetAfterUse, ::testing::ValuesIn(kUses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Reset, ReusesTheWorkingWindowsStorage) {
    Recorded started;
    Recorded working;
    kUses[3].act(working.dlg.Window());  // long texts
    const platform::Control* box = working.dlg.Window().Find(id::kProcessPressure);
    const platform::Control* gases = working.dlg.Window().Find(id::kGasType);
    const char* text = box->text.data();
    const std::string* items = gases->items.data();
    const std::size_t itemCapacity = gases->items.capacity();
    const char* bound = working.dlg.State().processPressureText.data();

    working.dlg.ResetTo(started.dlg);
    ASSERT_EQ(box->text, "6.0");
    EXPECT_EQ(box->text.data(), text);
    EXPECT_EQ(gases->items.data(), items);
    EXPECT_EQ(gases->items.capacity(), itemCapacity);
    EXPECT_EQ(working.dlg.State().processPressureText.data(), bound);
}

TEST(Reset, OfAWindowToItselfChangesNothing) {
    Recorded working;
    kUses[4].act(working.dlg.Window());
    const CTarnvikDlg before(working.dlg);
    const auto revision = working.dlg.Window().Revision();
    CTarnvikDlg& self = working.dlg;
    working.dlg = self;
    EXPECT_EQ(Difference(working.dlg, before), "");
    EXPECT_EQ(working.dlg.Window().Revision(), revision);
}

TEST(Reset, TellsAViewToMirrorAgain) {
    Recorded started;
    Recorded working;
    const auto revision = working.dlg.Window().Revision();
    working.dlg = started.dlg;  // nothing differs, but a view cannot know that
    EXPECT_GT(working.dlg.Window().Revision(), revision);
}

// Windows left in whatever state random user actions reach, then reset.
TEST(Reset, AfterRandomUseGivesAFreshStartedWindow) {
    Recorded started;
    Recorded fresh;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(1500);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        testing_support::ActionReplay replay;
        const std::uint8_t* data = bytes.data();
        std::size_t size = bytes.size();
        while (replay.Step(data, size)) {
        }
        CTarnvikDlg used(replay.Window());
        used = started.dlg;
        ASSERT_EQ(Difference(used, fresh.dlg), "") << "seed " << seed;
    }
}

}  // namespace
}  // namespace tarnvik
