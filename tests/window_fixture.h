// A freshly started calculator window driven through user actions, with
// the message box answered and recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "named_case.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::testing_support {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        window().SetMessageBoxHook([this](std::string_view text, std::string_view caption) {
            messages.emplace_back(text);
            captions.emplace_back(caption);
        });
        dlg.OnInitDialog();
    }

    platform::Dialog& window() { return dlg.Window(); }
    const CalculatorState& state() const { return dlg.State(); }
    std::string text(int control) { return window().GetText(control); }
    bool enabled(int control) { return window().IsEnabled(control); }
    bool checked(int control) { return window().GetCheck(control); }

    void ChooseSensor(std::string_view name) {
        ASSERT_TRUE(window().UserChoose(id::kSensorType, name));
    }
    void ChooseGas(std::string_view name) { ASSERT_TRUE(window().UserChoose(id::kGasType, name)); }
    void Type(int control, std::string_view value) {
        ASSERT_TRUE(window().UserType(control, value));
    }
    void Click(int control) { ASSERT_TRUE(window().UserClick(control)); }

    std::vector<std::string> Items(int control) { return window().Find(control)->items; }

    CTarnvikDlg dlg{"tarnvik"};
    std::vector<std::string> messages;
    std::vector<std::string> captions;
};

}  // namespace tarnvik::testing_support
