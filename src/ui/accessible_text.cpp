#include "ui/accessible_text.h"

#include <array>

#include "core/control_ids.h"

namespace tarnvik {

namespace {

// Template rows (counted from 0) of the labels and frames that have no
// identifier of their own.
constexpr std::size_t kPipeDiameterLabel = 15;
constexpr std::size_t kProfileFactorLabel = 19;
constexpr std::size_t kFlowUnitFrame = 21;
constexpr std::size_t kGasTypeLabel = 23;
constexpr std::size_t kSensorTypeLabel = 25;
constexpr std::size_t kMediumFrame = 26;
constexpr std::size_t kGasConstantLabel = 29;
constexpr std::size_t kProcessPressureLabel = 32;
constexpr std::size_t kProcessTemperatureLabel = 35;
constexpr std::size_t kProcessHumidityLabel = 43;
constexpr std::size_t kInletPressureLabel = 45;
constexpr std::size_t kInletTemperatureLabel = 47;
constexpr std::size_t kInletHumidityLabel = 49;
constexpr std::size_t kCutoffListLabel = 50;
constexpr std::size_t kFlowTypeFrame = 56;
constexpr std::size_t kSectionLabel = 59;
constexpr std::size_t kRangeLabel = 60;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// A label is named either by its template row or by its identifier.
struct LabelRef {
    std::size_t row = kNone;
    int id = platform::kNoId;
};

struct Naming {
    int control;
    LabelRef label;
    int unitBox = platform::kNoId;  // a result's unit text, its description
    const char* suffix = "";        // added to the label's text
};

const Naming kNames[] = {
    {id::kSensorType, {kSensorTypeLabel}},
    {id::kSection, {kSectionLabel}},
    {id::kRange, {kRangeLabel}},
    {id::kDiameter, {kPipeDiameterLabel}},
    {id::kProfileFactor, {kProfileFactorLabel}},
    {id::kCutoffList, {kCutoffListLabel}},
    {id::kGasType, {kGasTypeLabel}},
    {id::kGasConstant, {kGasConstantLabel}},
    {id::kReferenceTemperature, {kNone, id::kReferenceTemperatureLabel}},
    {id::kReferencePressure, {kNone, id::kReferencePressureLabel}},
    {id::kProcessPressure, {kProcessPressureLabel}},
    {id::kProcessTemperature, {kProcessTemperatureLabel}},
    {id::kProcessHumidity, {kProcessHumidityLabel}},
    {id::kInletPressure, {kInletPressureLabel}},
    {id::kInletTemperature, {kInletTemperatureLabel}},
    {id::kInletHumidity, {kInletHumidityLabel}},
    {id::kMaxFlow, {kNone, id::kMaxFlowLabel}, id::kMaxFlowUnit},
    {id::kMinFlow, {kNone, id::kMinFlowLabel}, id::kMinFlowUnit},
    {id::kMaxVelocity, {kNone, id::kMaxVelocityLabel}, id::kVelocityUnit},
    {id::kCutoffVelocity, {kNone, id::kCutoffVelocityLabel}, id::kCutoffVelocityUnit},
    {id::kMaxFlowUnit, {kNone, id::kMaxFlowLabel}, platform::kNoId, " unit"},
    {id::kMinFlowUnit, {kNone, id::kMinFlowLabel}, platform::kNoId, " unit"},
    {id::kVelocityUnit, {kNone, id::kMaxVelocityLabel}, platform::kNoId, " unit"},
    {id::kCutoffVelocityUnit, {kNone, id::kCutoffVelocityLabel}, platform::kNoId, " unit"},
};

struct RadioGroup {
    std::size_t frame;
    std::array<int, 10> radios;
};

const RadioGroup kRadioGroups[] = {
    {kFlowUnitFrame,
     {id::kUnitM3h, id::kUnitM3min, id::kUnitLmin, id::kUnitLs, id::kUnitCfm, id::kUnitKgh,
      id::kUnitKgmin, id::kUnitKgs, id::kUnitLbh, id::kUnitTh}},
    {kFlowTypeFrame,
     {id::kFlowTypeFlow, id::kFlowTypeActual, id::kFlowTypeDryAir, id::kFlowTypeFad}},
    {kMediumFrame, {id::kStandardReference, id::kNormReference, id::kCustomReference}},
};

// Captions align with spaces ("Cut-off  velocity"); a reader needs one.
std::string Spoken(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out.push_back(c);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string TextOf(const platform::Dialog& window, const LabelRef& label) {
    if (label.row != kNone) {
        const auto controls = window.Controls();
        return label.row < controls.size() ? controls[label.row].text : std::string();
    }
    return window.GetText(label.id);
}

}  // namespace

AccessibleText DescribeControl(const platform::Dialog& window, std::size_t index) {
    AccessibleText out;
    const auto controls = window.Controls();
    if (index >= controls.size()) return out;
    const platform::Control& c = controls[index];

    for (const Naming& n : kNames) {
        if (n.control != c.id || c.id == platform::kNoId) continue;
        out.name = Spoken(TextOf(window, n.label)) + n.suffix;
        // The reference temperature's unit is a label of its own.
        if (c.id == id::kReferenceTemperature) {
            out.name += ' ';
            out.name += Spoken(window.GetText(id::kDegreesLabel));
        }
        if (n.unitBox != platform::kNoId) out.description = window.GetText(n.unitBox);
        return out;
    }
    out.name = Spoken(c.text);
    if (c.kind == platform::ControlKind::Radio) {
        for (const RadioGroup& g : kRadioGroups)
            for (int radio : g.radios)
                if (radio == c.id && radio != 0)
                    out.group = Spoken(TextOf(window, LabelRef{g.frame}));
    }
    return out;
}

}  // namespace tarnvik
