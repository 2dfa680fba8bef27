// The range chart of a sizing sheet made from the window: every section
// (or the typed diameter) and range of the current sensor type, each from
// its own fresh window driven with the calculation's other inputs, the
// current one highlighted.
#pragma once

#include <optional>
#include <string>

#include "sizing/range_chart.h"
#include "ui/calculation_context.h"

namespace tarnvik::qt {

// context is what the window shows now (ReadCalculationContext). Null,
// with error set, when the inputs cannot be replayed on a fresh window.
std::optional<sizing::RangeChart> CurrentRangeChart(const CalculationContext& context,
                                                    std::string& error);

}  // namespace tarnvik::qt
