// The recalculation: from the boxes' texts to the five shown results.
#include <cmath>

#include "core/control_ids.h"
#include "core/numbers.h"
#include "core/units.h"
#include "gases/gas_table.h"
#include "physics/flow_engine.h"
#include "physics/profile_factor.h"
#include "sensors/sensor_catalogue.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

namespace {

float ReadBox(const platform::Dialog& window, int control) {
    return static_cast<float>(ParseNumber(window.GetText(control)));
}

float SelectedFlow(const FlowResults& r, int flowType) {
    switch (flowType) {
        case 1:
            return r.actualFlow;
        case 2:
            return r.fadFlow;
        case 3:
            return r.dryAirFlow;
        default:
            return r.flow;
    }
}

// A result that is not a finite number is no result: it shows as "N/A"
// like a minimum flow that is not above zero.
std::string FormatResult(float value, int decimals) {
    if (!std::isfinite(value)) return "N/A";
    return FormatFixed(value, decimals);
}

}  // namespace

void CTarnvikDlg::GatherProcessConditions(ProcessConditions& record) {
    CalculatorState& s = state_;
    switch (window_.GetSelection(id::kCutoffList)) {
        case 0:
            s.CutoffFactor = CutoffOptions[0].value;
            break;
        case 1:
            s.CutoffFactor = CutoffOptions[1].value;
            break;
        default:
            break;  // no answer: the previous choice stays
    }
    record.unitCode = static_cast<std::uint8_t>(s.UnitCode & 0xFF);

    // Of several checked radios the last tested wins; none keeps the value.
    if (window_.GetCheck(id::kFlowTypeFlow)) s.FlowType = 0;
    if (window_.GetCheck(id::kFlowTypeDryAir)) s.FlowType = 3;
    if (window_.GetCheck(id::kFlowTypeFad)) s.FlowType = 2;
    if (window_.GetCheck(id::kFlowTypeActual)) s.FlowType = 1;

    record.inletPressure = ReadBox(window_, id::kInletPressure);
    record.inletTemperature = ReadBox(window_, id::kInletTemperature);
    record.inletHumidity = ReadBox(window_, id::kInletHumidity) / 100.0f;
    record.gasConstant = ReadBox(window_, id::kGasConstant);
    record.referenceTemperature =
        static_cast<float>(ReadBox(window_, id::kReferenceTemperature) + 273.15);
    record.referencePressure = ReadBox(window_, id::kReferencePressure);
    // The inlet pressure stands for the ambient pressure.
    record.processPressure = ReadBox(window_, id::kProcessPressure) + record.inletPressure;
    record.processTemperature = ReadBox(window_, id::kProcessTemperature);
    record.processHumidity = ReadBox(window_, id::kProcessHumidity) / 100.0f;
}

void CTarnvikDlg::Recalculate() {
    CalculatorState& s = state_;
    if (s.CalculationEnabled == 0) return;
    ++s.recalculations;
    LoadBoundTexts();

    ProcessConditions record;
    GatherProcessConditions(record);

    CommasToPoints(s.diameterText);  // the diameter alone takes a decimal comma
    const float d = static_cast<float>(ParseNumber(s.diameterText));
    s.diameter = d;
    record.diameter = d;
    record.area = d * d * 3.14156f * 0.25f;

    const float profile = static_cast<float>(ProfileFactor(s.SensorIndex, d));
    s.profileFactorText = FormatResult(profile, 3);

    record.standardGasConstant = 287.0f;
    record.standardTemperature = 293.15f;
    record.standardPressure = 1000.0f;

    const int gas = window_.GetSelection(id::kGasType);
    record.gasIndex = static_cast<std::uint8_t>(gas & 0xFF);
    record.unitCode = static_cast<std::uint8_t>(s.UnitCode & 0xFF);

    if (gas == kGasHelium) {
        record.standardGasConstant = 2077.27f;
        s.maxVelocity = 52.0f;
    } else if (gas == kGasHydrogen) {
        record.standardGasConstant = 4124.0f;
        s.maxVelocity = 52.0f;
    } else {
        s.maxVelocity = LookupMaxVelocity(s.SensorIndex, window_.GetSelection(id::kSection),
                                          window_.GetSelection(id::kRange));
    }

    window_.SetText(id::kStatusLine, "");
    s.CutoffVelocity = 0.0f;

    FlowResults results;
    if (!IsProcessSensor(s.SensorIndex)) {
        const float referenceDensity =
            record.referencePressure * 100.0f / record.referenceTemperature / record.gasConstant;
        ComputeFlows(s.maxVelocity, referenceDensity, 1.0f, record, results, s.SensorIndex);
        s.maxVelocity = results.referenceVelocity;
        s.maxFlow = results.flow;  // whatever the flow type
        const int divisor = GetSensorInfo(s.SensorIndex).minFlowDivisor;
        s.minFlow = static_cast<float>(static_cast<double>(s.maxFlow) / divisor);
    } else {
        float processDensity = 0.0f;
        // Only air yields a reference density; for the other gases the dry
        // air flow (never shown for them) gets the density as for air, so
        // that no undefined value enters the engine.
        float referenceDensity =
            record.referencePressure / record.referenceTemperature / record.gasConstant * 100.0f;
        ComputeDensities(record, processDensity, referenceDensity);
        ComputeFlows(s.maxVelocity, processDensity, referenceDensity, record, results,
                     s.SensorIndex);
        s.maxVelocity = results.referenceVelocity;
        s.maxFlow = SelectedFlow(results, s.FlowType);

        const float x =
            record.gasConstant * record.processPressure / 7.0f / record.standardGasConstant;
        const double y = x * 296.15 / (record.processTemperature + 273.15);
        s.CutoffVelocity = static_cast<float>(std::sqrt(y) * s.CutoffFactor);

        if (s.maxFlow > 0.0f) {
            ComputeFlows(s.CutoffVelocity, processDensity, referenceDensity, record, results,
                         s.SensorIndex);
            s.minFlow = SelectedFlow(results, s.FlowType);
        } else {
            s.minFlow = s.maxFlow;
        }

        // Refer the cut-off velocity to process conditions.
        const float t = static_cast<float>((record.processTemperature + 273.15) * s.CutoffVelocity);
        s.CutoffVelocity = t * record.referencePressure / 1000.0f / record.referenceTemperature /
                           record.processPressure;
    }

    StoreBoundTexts();

    int flowDecimals = 1;
    int velocityDecimals = 1;
    UnitDecimals(s.UnitCode, flowDecimals, velocityDecimals);

    s.maxFlowText = FormatResult(s.maxFlow, flowDecimals);
    window_.SetText(id::kMaxFlow, s.maxFlowText);

    window_.SetText(id::kMinFlow, s.minFlow > 0.0f ? FormatResult(s.minFlow, flowDecimals) : "N/A");

    s.maxVelocity = s.maxVelocity * s.velocityFactor;
    s.maxVelocityText = FormatResult(s.maxVelocity, velocityDecimals);
    window_.SetText(id::kMaxVelocity, s.maxVelocityText);

    if (IsProcessSensor(s.SensorIndex)) {
        window_.SetText(id::kCutoffVelocity,
                        FormatResult(s.CutoffVelocity * s.velocityFactor, velocityDecimals));
    } else {
        window_.SetText(id::kCutoffVelocity, "N/A");
    }
}

void CTarnvikDlg::OnReferenceTemperatureChanged() {
    LoadBoundTexts();
    Recalculate();
}

void CTarnvikDlg::OnReferencePressureChanged() {
    LoadBoundTexts();
    Recalculate();
}

void CTarnvikDlg::OnGasConstantChanged() {
    LoadBoundTexts();
    Recalculate();
}

void CTarnvikDlg::OnProcessPressureChanged() {
    const float gauge = ReadBox(window_, id::kProcessPressure);
    if (gauge < -1.0f) {
        window_.MessageBox("Pressure is not correct!", applicationName_);
        return;
    }
    Recalculate();
}

}  // namespace tarnvik
