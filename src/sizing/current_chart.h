// The range chart of one calculation, for its sizing sheet: every section
// (or the calculation's diameter) and range of its sensor type, each from
// its own fresh window driven with the calculation's other inputs, the
// current one highlighted. The window, the command line and the page all
// draw the sheet's chart with it.
#pragma once

#include <optional>
#include <string>

#include "sizing/range_chart.h"
#include "ui/calculation_context.h"

namespace tarnvik::sizing {

// context is what the window shows (ReadCalculationContext). Null, with
// error set, when the inputs cannot be replayed on a fresh window.
std::optional<RangeChart> CurrentRangeChart(const CalculationContext& context, std::string& error);

}  // namespace tarnvik::sizing
