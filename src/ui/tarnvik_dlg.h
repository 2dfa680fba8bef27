// The calculator window's behaviour: its state, every handler and the
// start-up sequence, written against the window layer. The Qt window, the
// command-line tool and the tests all drive this one object.
#pragma once

#include <string>

#include "core/calculator_state.h"
#include "physics/process_conditions.h"
#include "platform/dialog.h"

namespace tarnvik {

class CTarnvikDlg {
  public:
    // applicationName is the caption of the message box.
    explicit CTarnvikDlg(std::string applicationName = "tarnvik");
    // A second window in the same state, its events wired to itself and
    // without a message box hook: the original's hook belongs to the
    // original's driver. Copying a started window is much cheaper than
    // starting one.
    CTarnvikDlg(const CTarnvikDlg& other);
    // Resets this window to other's state (controls, state and application
    // name), for drivers that need many fresh windows: start one, then reset
    // a working window to it for each line or row. The working window's
    // storage is reused (texts and lists keep their capacity), its events
    // stay wired to itself, and it keeps its own message box hook, which its
    // driver set for it. Not to be called from inside this window's own
    // handlers.
    CTarnvikDlg& operator=(const CTarnvikDlg& other);
    void ResetTo(const CTarnvikDlg& started) { *this = started; }

    platform::Dialog& Window() { return window_; }
    const platform::Dialog& Window() const { return window_; }
    const CalculatorState& State() const { return state_; }
    const std::string& ApplicationName() const { return applicationName_; }

    // Start-up sequence; the first recalculation that shows results runs
    // at its end.
    bool OnInitDialog();
    void OnCancel();
    void OnOK();

    // Transfers between the bound texts and their boxes.
    void LoadBoundTexts();
    void StoreBoundTexts();

    // Recalculation and the input boxes' change handlers.
    void GatherProcessConditions(ProcessConditions& record);
    void Recalculate();
    void OnReferenceTemperatureChanged();
    void OnReferencePressureChanged();
    void OnGasConstantChanged();
    void OnProcessPressureChanged();

    // Units, flow types, reference conditions.
    void SelectUnit(int unitCode);
    void SelectFlowType(int flowType);
    void SelectStandardReference();
    void SelectNormReference();
    void SelectCustomReference();
    void UncheckUnitRadios();
    void UpdateUnitLabels();

    // Input rules.
    void ApplyInputRules();

    // Gas selection.
    void FillGasCombo();
    void OnGasChanged();

    // Sensor selection.
    void OnSensorTypeChanged();
    void ApplySensorType(int position);
    void FillCutoffCombo();
    void OnSectionChanged();
    void OnRangeChanged();
    void OnCutoffChanged();

    // Fonts of the result area.
    void CreateOutputFonts();

  private:
    // Every window, a copy included, dispatches its events to itself; an
    // assigned window keeps that wiring.
    void WireEvents();
    void Dispatch(int id, platform::Event event);
    // Flags, radio checks and the reference boxes' enabled state; then the
    // texts are shown, the unit labels follow and the results are redone.
    void ApplyReferenceMode(bool standard, bool norm);

    std::string applicationName_;
    CalculatorState state_;
    platform::Dialog window_;
};

}  // namespace tarnvik
