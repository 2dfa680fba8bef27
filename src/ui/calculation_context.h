// What a window calculated, read back from its controls: the inputs that
// apply to the current sensor type and the five results, each as the
// window shows it. Drivers repeat it beside their results (the command
// line's text, JSON and CSV, the sizing sheet, the clipboard), so a result
// never travels without the inputs that made it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnvik {

namespace platform {
class Dialog;
}
class CTarnvikDlg;

struct ContextEntry {
    // The command line's option name ("sensor", "section", "diameter",
    // "gas-constant", "reference", "flow-type", "process-pressure", ...),
    // so that the inputs can be fed back as a batch line; "pipe" for a
    // pipe the caller attached.
    std::string key;
    std::string label;  // the window's caption: "Process pressure (bar(g))"
    std::string value;  // as the window shows it; radios as the command line's values
    // What a person reads: the radio's caption ("FAD", "Standard reference
    // conditions") where the value is a command-line word; else the value.
    std::string shown;
    // Shown for the record but not an input of its own: its control is
    // disabled (a section's inner diameter, the gas constant of a listed
    // gas, the reference texts of standard conditions), or it follows
    // from the attached pipe. Feeding it back would be refused.
    bool derived = false;
};

struct ResultEntry {
    std::string key;    // the command line's JSON key: "maxFlow", "minFlow", ...
    std::string label;  // "Max. flow"
    std::string value;  // the result box's text: "123.4", "N/A"
    std::string unit;   // the unit box's text: "sm3/h"; empty for the profile factor
};

struct CalculationContext {
    std::vector<ContextEntry> inputs;
    std::vector<ResultEntry> results;  // profile factor, max. and min. flow, velocities

    // Null when there is no entry with that key.
    const ContextEntry* Input(std::string_view key) const;
};

// Inputs in the order the command line applies them: sensor, section,
// range, pipe, diameter, gas, gas-constant, reference,
// reference-temperature, reference-pressure, unit, flow-type, cutoff,
// then the process and inlet boxes. An entry appears only where it
// applies: a section for a type with sections, a range for a type with
// ranges, flow type, cut-off and the enabled process and inlet boxes for
// QA70 and QA90. pipeName, when not empty, is the pipe whose inner
// diameter the caller typed into the diameter box.
// What to read: everything, or only each input's key, value and derived
// mark (no labels, no results), which is all a batch line's "inputs"
// object needs; the labels are most of the cost.
enum class ContextParts { All, InputValues };
CalculationContext ReadCalculationContext(const platform::Dialog& window,
                                          std::string_view pipeName = {},
                                          ContextParts parts = ContextParts::All);
CalculationContext ReadCalculationContext(const CTarnvikDlg& dlg, std::string_view pipeName = {});

}  // namespace tarnvik
