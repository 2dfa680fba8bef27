#include "sizing/window_options.h"

#include <algorithm>

#include "core/control_ids.h"
#include "core/units.h"

namespace tarnvik::sizing {

namespace {

const WindowOption kOptions[] = {
    {Opt::Sensor, "sensor", Action::Choose, id::kSensorType, "NAME",
     "sensor type: QA10 ... QA90, QA20-V"},
    {Opt::Section, "section", Action::Choose, id::kSection, "DNxx", "measuring section"},
    {Opt::Range, "range", Action::Choose, id::kRange, "L|S|M|HS", "measuring range"},
    {Opt::Diameter, "diameter", Action::Type, id::kDiameter, "TEXT",
     "pipe inner diameter in mm (types without sections)"},
    {Opt::Gas, "gas", Action::Choose, id::kGasType, "NAME",
     "gas, as the gas list names it (\"Nat. gas\", \"Others\" included)"},
    {Opt::GasConstant, "gas-constant", Action::Type, id::kGasConstant, "TEXT",
     "gas constant in J/(kg*K) (gas Others)"},
    {Opt::Reference, "reference", Action::Click, 0, "standard|norm|custom", "reference conditions"},
    {Opt::ReferenceTemperature, "reference-temperature", Action::Type, id::kReferenceTemperature,
     "TEXT", "reference temperature in deg C (custom reference)"},
    {Opt::ReferencePressure, "reference-pressure", Action::Type, id::kReferencePressure, "TEXT",
     "reference pressure in hPa (custom reference)"},
    {Opt::Unit, "unit", Action::Click, 0, "UNIT",
     "flow unit: m3/h m3/min l/min l/s cfm kg/h kg/min kg/s lb/h t/h"},
    {Opt::FlowType, "flow-type", Action::Click, 0, "flow|actual|fad|dry", "flow type (QA70, QA90)"},
    {Opt::Cutoff, "cutoff", Action::Choose, id::kCutoffList, "20|30",
     "cut-off velocity (QA70, QA90)"},
    {Opt::ProcessPressure, "process-pressure", Action::Type, id::kProcessPressure, "TEXT",
     "process pressure in bar(g)"},
    {Opt::ProcessTemperature, "process-temperature", Action::Type, id::kProcessTemperature, "TEXT",
     "process temperature in deg C"},
    {Opt::ProcessHumidity, "process-humidity", Action::Type, id::kProcessHumidity, "TEXT",
     "process humidity in %"},
    {Opt::InletPressure, "inlet-pressure", Action::Type, id::kInletPressure, "TEXT",
     "inlet pressure in bar(a)"},
    {Opt::InletTemperature, "inlet-temperature", Action::Type, id::kInletTemperature, "TEXT",
     "inlet temperature in deg C"},
    {Opt::InletHumidity, "inlet-humidity", Action::Type, id::kInletHumidity, "TEXT",
     "inlet humidity in %"},
};
static_assert(std::size(kOptions) == kOptCount);

constexpr RadioChoice kReferenceChoices[] = {
    {"standard", id::kStandardReference},
    {"norm", id::kNormReference},
    {"custom", id::kCustomReference},
};

constexpr RadioChoice kFlowTypeChoices[] = {
    {"flow", id::kFlowTypeFlow},
    {"actual", id::kFlowTypeActual},
    {"fad", id::kFlowTypeFad},
    {"dry", id::kFlowTypeDryAir},
};

}  // namespace

std::span<const WindowOption> WindowOptions() {
    return kOptions;
}

const WindowOption& OptionOf(Opt opt) {
    return kOptions[static_cast<std::size_t>(opt)];
}

const WindowOption* FindWindowOption(std::string_view name) {
    for (const WindowOption& o : kOptions)
        if (o.name == name) return &o;
    return nullptr;
}

std::vector<RadioChoice> RadioChoices(Opt opt) {
    switch (opt) {
        case Opt::Reference:
            return {std::begin(kReferenceChoices), std::end(kReferenceChoices)};
        case Opt::FlowType:
            return {std::begin(kFlowTypeChoices), std::end(kFlowTypeChoices)};
        case Opt::Unit: {
            // The unit values are the radios' own captions.
            std::vector<RadioChoice> units;
            for (const UnitInfo& u : Units()) units.push_back({u.caption, u.radio});
            return units;
        }
        default:
            return {};
    }
}

int RadioFor(Opt opt, std::string_view value) {
    // Runs for every clicked option of every batch line: no allocation.
    switch (opt) {
        case Opt::Reference:
            for (const RadioChoice& c : kReferenceChoices)
                if (c.value == value) return c.radio;
            return 0;
        case Opt::FlowType:
            for (const RadioChoice& c : kFlowTypeChoices)
                if (c.value == value) return c.radio;
            return 0;
        case Opt::Unit:
            for (const UnitInfo& u : Units())
                if (u.caption == value) return u.radio;
            return 0;
        default:
            return 0;
    }
}

std::string ReadOptionTexts(const std::vector<OptionText>& texts, std::span<const Opt> notTaken,
                            std::string_view optionPrefix, OptionValues& values) {
    const std::string prefix(optionPrefix);
    for (const OptionText& t : texts) {
        const WindowOption* option = FindWindowOption(t.name);
        if (!option) return "unknown option \"" + prefix + t.name + "\"";
        if (std::find(notTaken.begin(), notTaken.end(), option->opt) != notTaken.end())
            return prefix + t.name + " is not taken here";
        if (values[option->opt]) return prefix + t.name + " is given twice";
        values[option->opt] = t.value;
    }
    return "";
}

std::vector<OptionText> OptionTexts(const OptionValues& values) {
    std::vector<OptionText> texts;
    for (const WindowOption& o : kOptions)
        if (values[o.opt]) texts.push_back({std::string(o.name), *values[o.opt]});
    return texts;
}

}  // namespace tarnvik::sizing
