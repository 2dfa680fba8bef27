// The flow unit, flow type and reference-condition selectors.
#include "core/control_ids.h"
#include "core/numbers.h"
#include "core/units.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

void CTarnvikDlg::UncheckUnitRadios() {
    for (const UnitInfo& u : Units()) window_.SetCheck(u.radio, false);
}

void CTarnvikDlg::SelectUnit(int unitCode) {
    const UnitInfo* unit = FindUnitByCode(unitCode);
    if (!unit) return;
    // m3/h and l/min are also chosen by program code, where no click has
    // checked the radio; the other units are only ever clicked.
    if (unit->radio == id::kUnitM3h || unit->radio == id::kUnitLmin) {
        UncheckUnitRadios();
        window_.SetCheck(unit->radio, true);
    }
    state_.UnitCode = unitCode;
    UpdateUnitLabels();
    state_.velocityFactor = unit->velocityFactor;
    Recalculate();
}

void CTarnvikDlg::SelectFlowType(int flowType) {
    state_.FlowType = flowType;
    UpdateUnitLabels();
    Recalculate();
}

void CTarnvikDlg::ApplyReferenceMode(bool standard, bool norm) {
    state_.standardReference = standard;
    state_.normReference = norm;
    const bool custom = !standard && !norm;
    window_.SetCheck(id::kStandardReference, standard);
    window_.SetCheck(id::kNormReference, norm);
    window_.SetCheck(id::kCustomReference, custom);
    // Standard and norm conditions are fixed; only custom ones are typed.
    window_.Enable(id::kReferenceTemperature, custom);
    window_.Enable(id::kReferencePressure, custom);
    StoreBoundTexts();
    UpdateUnitLabels();
    Recalculate();
}

void CTarnvikDlg::SelectStandardReference() {
    state_.referenceTemperatureText = FormatFixed(20.0, 1);
    state_.referencePressureText = FormatFixed(1000.0, 1);
    ApplyReferenceMode(true, false);
}

void CTarnvikDlg::SelectNormReference() {
    state_.referenceTemperatureText = FormatFixed(0.0, 1);
    // 1013.25 is a tie at one decimal; exact formatting gives "1013.2", and
    // the recalculation works with the pressure as the box shows it.
    state_.referencePressureText = FormatFixed(1013.25, 1);
    ApplyReferenceMode(false, true);
}

void CTarnvikDlg::SelectCustomReference() {
    ApplyReferenceMode(false, false);  // the reference texts stay as they are
}

void CTarnvikDlg::UpdateUnitLabels() {
    if (const UnitInfo* unit = FindUnitByCode(state_.UnitCode)) {
        const int mode = state_.standardReference ? 0 : state_.normReference ? 1 : 2;
        // Actual flow and free air delivery are not referred to reference
        // conditions, so their flow text carries no prefix.
        const bool unreferred = state_.FlowType == 1 || state_.FlowType == 2;
        const std::string_view flowText = unit->flowText[unreferred ? 2 : mode];
        state_.maxFlowUnitText = flowText;
        window_.SetText(id::kMinFlowUnit, flowText);
        state_.velocityUnitText = unit->velocityText[mode];
        window_.SetText(id::kCutoffVelocityUnit, unit->cutoffUnitText);
    }
    StoreBoundTexts();
}

}  // namespace tarnvik
