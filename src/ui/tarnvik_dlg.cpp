#include "ui/tarnvik_dlg.h"

#include "core/control_ids.h"
#include "gases/gas_table.h"
#include "sensors/sensor_catalogue.h"
#include "ui/dialog_template.h"
#include "ui/event_wiring.h"

namespace tarnvik {

namespace {

struct BoundText {
    int id;
    std::string CalculatorState::*member;
};

// Transfer order.
const BoundText kBoundTexts[] = {
    {id::kDiameter, &CalculatorState::diameterText},
    {id::kMaxFlow, &CalculatorState::maxFlowText},
    {id::kMaxFlowUnit, &CalculatorState::maxFlowUnitText},
    {id::kProfileFactor, &CalculatorState::profileFactorText},
    {id::kReferenceTemperature, &CalculatorState::referenceTemperatureText},
    {id::kReferencePressure, &CalculatorState::referencePressureText},
    {id::kMaxVelocity, &CalculatorState::maxVelocityText},
    {id::kProcessPressure, &CalculatorState::processPressureText},
    {id::kGasConstant, &CalculatorState::gasConstantText},
    {id::kProcessTemperature, &CalculatorState::processTemperatureText},
    {id::kVelocityUnit, &CalculatorState::velocityUnitText},
};

}  // namespace

CTarnvikDlg::CTarnvikDlg(std::string applicationName)
    : applicationName_(std::move(applicationName)), window_(MainDialogTemplate()) {
    WireEvents();
}

CTarnvikDlg::CTarnvikDlg(const CTarnvikDlg& other)
    : applicationName_(other.applicationName_), state_(other.state_), window_(other.window_) {
    WireEvents();
}

CTarnvikDlg& CTarnvikDlg::operator=(const CTarnvikDlg& other) {
    // The window layer keeps this window's wiring and hook; the rest is
    // assigned member by member into the storage already here.
    applicationName_ = other.applicationName_;
    state_ = other.state_;
    window_ = other.window_;
    return *this;
}

void CTarnvikDlg::WireEvents() {
    window_.SetEventHandler([this](int id, platform::Event event) { Dispatch(id, event); },
                            &MainHandledEvents());
}

void CTarnvikDlg::Dispatch(int id, platform::Event event) {
    if (const WiredHandler handler = HandlerFor(id, event)) handler(*this);
}

void CTarnvikDlg::LoadBoundTexts() {
    platform::Dialog::TransferScope transfer(window_);
    for (const BoundText& b : kBoundTexts) state_.*b.member = window_.GetText(b.id);
}

void CTarnvikDlg::StoreBoundTexts() {
    platform::Dialog::TransferScope transfer(window_);
    // A box already showing its text is left alone, so its caret stays.
    for (const BoundText& b : kBoundTexts) {
        const std::string& text = state_.*b.member;
        if (window_.GetText(b.id) != text) window_.SetText(b.id, text);
    }
}

void CTarnvikDlg::CreateOutputFonts() {
    using platform::FontRole;
    for (int control : {id::kMaxFlowLabel, id::kMinFlowLabel, id::kMaxVelocityLabel,
                        id::kMaxVelocity, id::kVelocityUnit, id::kCutoffVelocityLabel,
                        id::kCutoffVelocity, id::kCutoffVelocityUnit})
        window_.SetFont(control, FontRole::Result);
    for (int control : {id::kMaxFlow, id::kMaxFlowUnit, id::kMinFlow, id::kMinFlowUnit})
        window_.SetFont(control, FontRole::ResultBold);
}

bool CTarnvikDlg::OnInitDialog() {
    StoreBoundTexts();  // all texts are still empty: no box changes
    window_.SetIcon();
    CreateOutputFonts();

    {
        const CGasInfo gasInfo;
        state_.SensorIndex = kQA10;
        state_.GasCount = gasInfo.gasCount;
        state_.VisibleGasCount = VisibleGasCountFor(state_.SensorIndex, state_.GasCount);
        gasInfo.BuildGasList(state_.gasList);
    }
    FillGasCombo();
    FillCutoffCombo();
    ApplyInputRules();

    for (std::string_view name : SensorNames) window_.AppendItem(id::kSensorType, name);
    window_.SetSelection(id::kSensorType, 0);
    ApplySensorType(state_.SensorIndex);
    window_.SetSelection(id::kGasType, 0);
    SelectUnit(16);  // l/min
    window_.Enable(id::kGasConstant, false);

    // Start-up texts; the direct writes raise change events, which find the
    // recalculation still disabled.
    state_.processPressureText = "6.0";
    state_.processTemperatureText = "35.0";
    window_.SetText(id::kProcessHumidity, "90.0");
    window_.SetText(id::kInletPressure, "1.01325");
    window_.SetText(id::kInletTemperature, "25.0");
    window_.SetText(id::kInletHumidity, "50.0");
    state_.velocityUnitText = "sm/s";
    window_.SetText(id::kCutoffVelocityUnit, "m/s");
    window_.SetText(id::kMinFlowUnit, "sm3/h");

    SelectStandardReference();
    state_.CutoffFactor = 20.0f;
    state_.velocityFactor = 1.0f;
    state_.CalculationEnabled = 1;
    OnGasChanged();  // the first recalculation that shows results
    StoreBoundTexts();
    return true;
}

void CTarnvikDlg::OnCancel() {
    state_.gasList.entries.clear();
    state_.gasList.filled = 0;
    window_.EndDialog(platform::DialogResult::Cancel);
}

void CTarnvikDlg::OnOK() {
    LoadBoundTexts();
    window_.EndDialog(platform::DialogResult::Ok);
}

}  // namespace tarnvik
