// The window's inputs as named options: the command line's options, the
// keys of a batch line, the fields of a sizing request. Each option is one
// user action on one control; they are applied in this fixed order
// whatever order they were given in, because the window's own rules
// depend on it: choosing a sensor type resets the unit, the gas and the
// reference conditions, and choosing a gas resets the reference
// conditions, so those must come first.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik::sizing {

// In the order of application; WindowOptions() lists them in this order.
enum class Opt : std::size_t {
    Sensor,
    Section,
    Range,
    Diameter,
    Gas,
    GasConstant,
    Reference,
    ReferenceTemperature,
    ReferencePressure,
    Unit,
    FlowType,
    Cutoff,
    ProcessPressure,
    ProcessTemperature,
    ProcessHumidity,
    InletPressure,
    InletTemperature,
    InletHumidity,
};
inline constexpr std::size_t kOptCount = 18;

enum class Action {
    Choose,  // pick an entry of a list by its text
    Type,    // replace the text of an input box, as typed
    Click,   // click the radio of a group that the value names
};

struct WindowOption {
    Opt opt;
    std::string_view name;  // without dashes: also the key of a batch line
    Action action;
    int control;  // the list or box; 0 for a radio group
    std::string_view valueName;
    std::string_view help;
};

std::span<const WindowOption> WindowOptions();
const WindowOption& OptionOf(Opt opt);
// Null for a name that is no window option.
const WindowOption* FindWindowOption(std::string_view name);

// A radio group option's values and the radio each one clicks.
struct RadioChoice {
    std::string_view value;
    int radio;
};
std::vector<RadioChoice> RadioChoices(Opt opt);
// 0 when the value names no radio of the option's group.
int RadioFor(Opt opt, std::string_view value);

// What the user asked for, one optional text per option.
class OptionValues {
  public:
    std::optional<std::string>& operator[](Opt o) { return values_[static_cast<std::size_t>(o)]; }
    const std::optional<std::string>& operator[](Opt o) const {
        return values_[static_cast<std::size_t>(o)];
    }

  private:
    std::array<std::optional<std::string>, kOptCount> values_;
};

// One option by name (without dashes), as a caller that has no option
// table of its own gives it, e.g. {"unit", "kg/h"}.
struct OptionText {
    std::string name;
    std::string value;
};

// Reads named options into values. An error text for a name that is no
// window option, one given twice, or one of notTaken (which the caller
// sets itself); names are quoted with optionPrefix ("--" or "").
std::string ReadOptionTexts(const std::vector<OptionText>& texts, std::span<const Opt> notTaken,
                            std::string_view optionPrefix, OptionValues& values);

// The given options in the order of application.
std::vector<OptionText> OptionTexts(const OptionValues& values);

}  // namespace tarnvik::sizing
