// Ways for a driver to get a fresh started window, and a batch line's worth
// of user actions on it; shared by the window benchmarks and the sequence
// program that callgrind and the allocation count run.
#pragma once

#include <array>
#include <string>
#include <type_traits>

#include "core/control_ids.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::bench {

// Older windows could only be copy-constructed; the benchmarks still build
// against them to give the figures to compare with.
template <class Dlg>
inline constexpr bool kCanReset = std::is_copy_assignable_v<Dlg>;

// Resets working to started the way a batch driver does between lines.
template <class Dlg>
void ResetTo(Dlg& working, const Dlg& started) {
    if constexpr (kCanReset<Dlg>) working = started;
}

// A typical batch line: choose QA70, click kg/h, type the process pressure.
inline void DriveBatchLine(CTarnvikDlg& dlg) {
    platform::Dialog& w = dlg.Window();
    w.UserChoose(id::kSensorType, "QA70");
    w.UserClick(id::kUnitKgh);
    w.UserType(id::kProcessPressure, "7");
}

using ResultTexts = std::array<std::string, 9>;

// What a driver reads back after the actions: the result boxes' texts.
inline ResultTexts ReadResults(const CTarnvikDlg& dlg) {
    constexpr int kBoxes[] = {id::kProfileFactor, id::kMaxFlow,        id::kMaxFlowUnit,
                              id::kMinFlow,       id::kMinFlowUnit,    id::kMaxVelocity,
                              id::kVelocityUnit,  id::kCutoffVelocity, id::kCutoffVelocityUnit};
    ResultTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = dlg.Window().GetText(kBoxes[i]);
    return texts;
}

}  // namespace tarnvik::bench
