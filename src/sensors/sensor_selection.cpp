// Choosing a sensor type, measuring section, range or cut-off velocity.
#include "core/control_ids.h"
#include "core/numbers.h"
#include "gases/gas_table.h"
#include "sensors/sensor_catalogue.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

namespace {

void FillList(platform::Dialog& window, int list, std::span<const std::string_view> names,
              int selection) {
    window.ResetList(list);
    for (std::string_view name : names) window.AppendItem(list, name);
    window.SetSelection(list, selection);
}

// Pixel position of the "(deg C)" label beside the reference temperature:
// 20 px further left while the shorter caption of QA20-V is shown.
constexpr int kDegreesLabelX = 144;
constexpr int kDegreesLabelXShort = 124;
constexpr int kDegreesLabelY = 481;

}  // namespace

void CTarnvikDlg::OnSensorTypeChanged() {
    const int p = window_.GetSelection(id::kSensorType);
    if (p >= 0 && p < kSensorCount) {
        state_.SensorIndex = p;
        // Recalculates while the section and range lists still hold the
        // previous type's entries; the lookup tolerates that and the final
        // recalculation below replaces the results.
        const bool litres = p == kQA10 || p == kQA20 || p == kQA20V;
        SelectUnit(litres ? 16 : 14);
    }
    ApplySensorType(state_.SensorIndex);
    state_.VisibleGasCount = VisibleGasCountFor(state_.SensorIndex, state_.GasCount);
    StoreBoundTexts();
    ApplyInputRules();
    FillGasCombo();
    OnGasChanged();

    if (state_.SensorIndex == kQA20V) {
        window_.SetText(id::kReferenceTemperatureLabel, "Actual temperature");
        window_.MoveControl(id::kDegreesLabel, kDegreesLabelXShort, kDegreesLabelY);
        window_.SetText(id::kReferencePressureLabel, "Actual pressure (mbar(a))");
    } else {
        window_.MoveControl(id::kDegreesLabel, kDegreesLabelX, kDegreesLabelY);
        window_.SetText(id::kReferenceTemperatureLabel, "Reference temperature");
        window_.SetText(id::kReferencePressureLabel, "Reference pressure (hPa)");
    }
}

void CTarnvikDlg::ApplySensorType(int position) {
    const bool actualConditions = position == kQA20V;
    for (int radio : {id::kStandardReference, id::kNormReference, id::kCustomReference})
        window_.Enable(radio, !actualConditions);
    if (position < 0 || position >= kSensorCount) return;

    const SensorInfo& info = GetSensorInfo(position);
    if (!info.sections.empty()) {
        window_.Enable(id::kSection, true);
        FillList(window_, id::kSection, info.sections, 0);
        window_.Enable(id::kDiameter, false);
        state_.diameter = info.innerDiameters[0];
    } else {
        window_.ResetList(id::kSection);
        window_.Enable(id::kSection, false);
        window_.Enable(id::kDiameter, true);
        state_.diameter = FreeDiameterDefault;
    }
    if (!info.ranges.empty()) {
        window_.Enable(id::kRange, true);
        FillList(window_, id::kRange, info.ranges, info.defaultRange);
    } else {
        window_.ResetList(id::kRange);
        window_.Enable(id::kRange, false);
    }
    state_.maxVelocity = LookupMaxVelocity(position, window_.GetSelection(id::kSection),
                                           window_.GetSelection(id::kRange));

    // The calculation reads the diameter back from this one-decimal text.
    state_.diameterText = FormatFixed(state_.diameter, 1);
    StoreBoundTexts();
}

void CTarnvikDlg::FillCutoffCombo() {
    window_.ResetList(id::kCutoffList);
    for (const CutoffOption& option : CutoffOptions)
        window_.AppendItem(id::kCutoffList, option.text);
    window_.SetSelection(id::kCutoffList, 0);
}

void CTarnvikDlg::OnSectionChanged() {
    const int section = window_.GetSelection(id::kSection);
    const int sensor = state_.SensorIndex;
    if (sensor >= 0 && sensor < kSensorCount && !HasFreeDiameter(sensor) && section >= 0 &&
        section < static_cast<int>(GetSensorInfo(sensor).innerDiameters.size())) {
        state_.diameter = SectionDiameter(sensor, section);
        window_.Enable(id::kDiameter, false);
        state_.diameterText = FormatFixed(state_.diameter, 1);
        StoreBoundTexts();
    }
    Recalculate();
}

void CTarnvikDlg::OnRangeChanged() {
    state_.maxVelocity = LookupMaxVelocity(state_.SensorIndex, window_.GetSelection(id::kSection),
                                           window_.GetSelection(id::kRange));
    StoreBoundTexts();
    Recalculate();
}

void CTarnvikDlg::OnCutoffChanged() {
    Recalculate();
}

}  // namespace tarnvik
