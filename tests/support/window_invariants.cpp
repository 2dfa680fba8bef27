#include "window_invariants.h"

#include <cctype>

#include "core/control_ids.h"
#include "core/units.h"
#include "gases/gas_table.h"
#include "sensors/sensor_catalogue.h"

namespace tarnvik::testing_support {

namespace {

// "N/A", or an optional minus, digits and exactly `decimals` decimals.
bool IsResultText(const std::string& text, int decimals) {
    if (text == "N/A") return true;
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    const std::size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == digits) return false;
    if (decimals == 0) return i == text.size();
    if (i >= text.size() || text[i] != '.') return false;
    return text.size() - i - 1 == static_cast<std::size_t>(decimals) &&
           text.find_first_not_of("0123456789", i + 1) == std::string::npos;
}

}  // namespace

std::string CheckInvariants(const CTarnvikDlg& dlg) {
    const platform::Dialog& w = dlg.Window();
    const CalculatorState& s = dlg.State();

    if (s.SensorIndex < 0 || s.SensorIndex >= kSensorCount) return "SensorIndex out of range";
    if (w.GetSelection(id::kSensorType) != s.SensorIndex)
        return "sensor list selection differs from SensorIndex";
    const int gas = w.GetSelection(id::kGasType);
    if (gas < 0 || gas >= w.ItemCount(id::kGasType)) return "gas list without a selection";
    if (w.ItemCount(id::kGasType) != VisibleGasCountFor(s.SensorIndex, 14))
        return "gas list length wrong for the sensor type";

    int flowDecimals = 1, velocityDecimals = 1;
    UnitDecimals(s.UnitCode, flowDecimals, velocityDecimals);
    const std::pair<int, int> results[] = {{id::kMaxFlow, flowDecimals},
                                           {id::kMinFlow, flowDecimals},
                                           {id::kMaxVelocity, velocityDecimals},
                                           {id::kCutoffVelocity, velocityDecimals},
                                           {id::kProfileFactor, 3}};
    for (const auto& [box, decimals] : results)
        if (!IsResultText(w.GetText(box), decimals))
            return "box " + std::to_string(box) + " shows '" + w.GetText(box) + "'";
    const bool process = IsProcessSensor(s.SensorIndex);
    if (!process && w.GetText(id::kCutoffVelocity) != "N/A") return "cut-off shown without process";

    // Exactly one unit radio, the one of UnitCode.
    int unitsChecked = 0;
    for (const UnitInfo& u : Units()) {
        if (w.GetCheck(u.radio)) {
            ++unitsChecked;
            if (u.code != s.UnitCode) return "checked unit radio differs from UnitCode";
        }
    }
    if (unitsChecked != 1) return "not exactly one unit radio checked";

    const bool custom = !s.standardReference && !s.normReference;
    if (s.standardReference && s.normReference) return "both reference flags set";
    if (w.GetCheck(id::kStandardReference) != s.standardReference ||
        w.GetCheck(id::kNormReference) != s.normReference ||
        w.GetCheck(id::kCustomReference) != custom)
        return "reference radios differ from the reference mode";

    const bool air = gas == kGasAir;
    const SensorInfo& info = GetSensorInfo(s.SensorIndex);
    const bool others = w.ItemCount(id::kGasType) > 12 && gas == 12;
    const std::pair<int, bool> expected[] = {
        {id::kSensorType, true},
        {id::kGasType, true},
        {id::kSection, !info.sections.empty()},
        {id::kRange, !info.ranges.empty()},
        {id::kDiameter, info.sections.empty()},
        {id::kGasConstant, others},
        {id::kCutoffList, process},
        {id::kProcessPressure, process},
        {id::kProcessTemperature, process},
        {id::kProcessHumidity, process && air},
        {id::kInletPressure, process && air},
        {id::kInletTemperature, process && air},
        {id::kInletHumidity, process && air},
        {id::kFlowTypeFlow, process},
        {id::kFlowTypeActual, process},
        {id::kFlowTypeDryAir, process && air},
        {id::kFlowTypeFad, process && air},
        {id::kUnitTh, process},
        {id::kUnitLbh, process},
        {id::kReferenceTemperature, custom},
        {id::kReferencePressure, custom},
        {id::kStandardReference, s.SensorIndex != kQA20V},
        {id::kNormReference, s.SensorIndex != kQA20V},
        {id::kCustomReference, s.SensorIndex != kQA20V},
    };
    for (const auto& [control, on] : expected)
        if (w.IsEnabled(control) != on)
            return "control " + std::to_string(control) + (on ? " disabled" : " enabled");
    for (const UnitInfo& u : Units())
        if (u.radio != id::kUnitTh && u.radio != id::kUnitLbh && !w.IsEnabled(u.radio))
            return "unit radio " + std::to_string(u.radio) + " disabled";
    if (!process && s.FlowType != 0) return "flow type left over outside QA70/QA90";
    return {};
}

}  // namespace tarnvik::testing_support
