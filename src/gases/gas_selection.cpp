// Filling the gas list and choosing a gas.
#include <algorithm>

#include "core/control_ids.h"
#include "core/numbers.h"
#include "gases/gas_table.h"
#include "sensors/sensor_positions.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

void CTarnvikDlg::FillGasCombo() {
    window_.ResetList(id::kGasType);
    const int count = std::min(state_.VisibleGasCount, state_.gasList.filled);
    for (int i = 0; i < count; ++i) window_.AppendItem(id::kGasType, state_.gasList.At(i)->Name());
    window_.SetSelection(id::kGasType, 0);
}

void CTarnvikDlg::OnGasChanged() {
    // Without a selection there is no gas to apply.
    const GasEntry* gas = state_.gasList.At(window_.GetSelection(id::kGasType));
    if (!gas) return;

    ApplyInputRules();

    if (gas->Name() == "Others") {
        // The user's own constant: keep the last text, usable as typed.
        CommasToPoints(state_.gasConstantText);
        window_.Enable(id::kGasConstant, true);
    } else {
        state_.gasConstantText = FormatFixed(gas->gasConstant, 1);
        StoreBoundTexts();
        window_.Enable(id::kGasConstant, false);
    }

    if (gas->Name() != "Air") {
        state_.referenceTemperatureText = FormatFixed(0.0, 1);
        state_.referencePressureText = FormatFixed(1013.25, 2);
        SelectNormReference();
    } else {
        state_.referenceTemperatureText = FormatFixed(20.0, 1);
        state_.referencePressureText = FormatFixed(1000.0, 2);
        if (state_.SensorIndex == kQA20V) {
            SelectCustomReference();
        } else {
            SelectStandardReference();
        }
    }

    UpdateUnitLabels();
    StoreBoundTexts();
    Recalculate();
}

}  // namespace tarnvik
