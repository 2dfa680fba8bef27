#include "ui/calculation_context.h"

#include <cstddef>

#include "core/control_ids.h"
#include "core/units.h"
#include "platform/dialog.h"
#include "sensors/sensor_positions.h"
#include "ui/accessible_text.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

namespace {

// Radio groups by the values the command line gives them.
struct RadioValue {
    int radio;
    std::string_view value;
};
constexpr RadioValue kReferenceValues[] = {
    {id::kStandardReference, "standard"},
    {id::kNormReference, "norm"},
    {id::kCustomReference, "custom"},
};
constexpr RadioValue kFlowTypeValues[] = {
    {id::kFlowTypeFlow, "flow"},
    {id::kFlowTypeActual, "actual"},
    {id::kFlowTypeFad, "fad"},
    {id::kFlowTypeDryAir, "dry"},
};

struct BoxInput {
    std::string_view key;
    int control;
};
constexpr BoxInput kProcessBoxes[] = {
    {"process-pressure", id::kProcessPressure},   {"process-temperature", id::kProcessTemperature},
    {"process-humidity", id::kProcessHumidity},   {"inlet-pressure", id::kInletPressure},
    {"inlet-temperature", id::kInletTemperature}, {"inlet-humidity", id::kInletHumidity},
};

struct ResultControls {
    std::string_view key;
    int value;
    int unit;  // kNoId for the profile factor
};
constexpr ResultControls kResults[] = {
    {"profileFactor", id::kProfileFactor, platform::kNoId},
    {"maxFlow", id::kMaxFlow, id::kMaxFlowUnit},
    {"minFlow", id::kMinFlow, id::kMinFlowUnit},
    {"maxVelocity", id::kMaxVelocity, id::kVelocityUnit},
    {"cutoffVelocity", id::kCutoffVelocity, id::kCutoffVelocityUnit},
};

// What a screen reader says for the control: the caption of its label,
// and for a radio the caption of its group's frame.
AccessibleText Described(const platform::Dialog& window, int control) {
    const platform::Control* c = window.Find(control);
    if (c == nullptr) return {};
    return DescribeControl(window, static_cast<std::size_t>(c - window.Controls().data()));
}

std::string CaptionOf(const platform::Dialog& window, int control) {
    return Described(window, control).name;
}

class Reader {
  public:
    Reader(const platform::Dialog& window, bool labels) : window_(window), labels_(labels) {}

    // The caption a screen reader gives the control; its group's frame
    // with group set. Empty when labels are not read.
    std::string Label(int control, bool group = false) const {
        if (!labels_) return {};
        AccessibleText text = Described(window_, control);
        return std::move(group ? text.group : text.name);
    }

    void List(std::string_view key, int list) {
        std::string value = window_.SelectedItem(list);
        if (value.empty()) return;  // an empty list: the type has none
        Add(key, Label(list), value, value, !window_.IsEnabled(list));
    }
    void Box(std::string_view key, int box, bool derived = false) {
        const std::string& text = window_.GetText(box);
        Add(key, Label(box), text, text, derived || !window_.IsEnabled(box));
    }
    template <std::size_t N>
    void Radios(std::string_view key, std::string label, const RadioValue (&group)[N]) {
        for (const RadioValue& r : group) {
            if (!window_.GetCheck(r.radio)) continue;
            Add(key, labels_ ? std::move(label) : std::string(), std::string(r.value),
                window_.GetText(r.radio), !window_.IsEnabled(r.radio));
            return;
        }
    }
    void Unit() {
        for (const UnitInfo& u : Units()) {
            if (!window_.GetCheck(u.radio)) continue;
            Add("unit", Label(u.radio, true), std::string(u.caption), std::string(u.caption),
                !window_.IsEnabled(u.radio));
            return;
        }
    }
    void Add(std::string_view key, std::string label, std::string value, std::string shown,
             bool derived) {
        entries_.push_back(
            {std::string(key), std::move(label), std::move(value), std::move(shown), derived});
    }
    std::vector<ContextEntry> Take() { return std::move(entries_); }

  private:
    const platform::Dialog& window_;
    bool labels_;
    std::vector<ContextEntry> entries_;
};

}  // namespace

const ContextEntry* CalculationContext::Input(std::string_view key) const {
    for (const ContextEntry& e : inputs)
        if (e.key == key) return &e;
    return nullptr;
}

CalculationContext ReadCalculationContext(const platform::Dialog& window, std::string_view pipeName,
                                          ContextParts parts) {
    const bool all = parts == ContextParts::All;
    Reader r(window, all);
    r.List("sensor", id::kSensorType);
    r.List("section", id::kSection);
    r.List("range", id::kRange);
    if (!pipeName.empty())
        r.Add("pipe", "Pipe", std::string(pipeName), std::string(pipeName), false);
    r.Box("diameter", id::kDiameter, !pipeName.empty());
    r.List("gas", id::kGasType);
    r.Box("gas-constant", id::kGasConstant);
    // The radios' frame is "Medium and Reference", which says too little.
    r.Radios("reference", "Reference conditions", kReferenceValues);
    r.Box("reference-temperature", id::kReferenceTemperature);
    r.Box("reference-pressure", id::kReferencePressure);
    r.Unit();
    if (IsProcessSensor(window.GetSelection(id::kSensorType))) {
        r.Radios("flow-type", r.Label(id::kFlowTypeFlow, true), kFlowTypeValues);
        r.List("cutoff", id::kCutoffList);
        // With a gas other than air the humidity and inlet boxes take no
        // part in the calculation, and the window disables them.
        for (const BoxInput& b : kProcessBoxes)
            if (window.IsEnabled(b.control)) r.Box(b.key, b.control);
    }

    CalculationContext context;
    context.inputs = r.Take();
    if (!all) return context;
    for (const ResultControls& b : kResults) {
        ResultEntry e;
        e.key = b.key;
        e.label = CaptionOf(window, b.value);
        e.value = window.GetText(b.value);
        if (b.unit != platform::kNoId) e.unit = window.GetText(b.unit);
        context.results.push_back(std::move(e));
    }
    return context;
}

CalculationContext ReadCalculationContext(const CTarnvikDlg& dlg, std::string_view pipeName) {
    return ReadCalculationContext(dlg.Window(), pipeName);
}

}  // namespace tarnvik
