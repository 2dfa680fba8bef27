// Range charts of the sizing answers: a range table's rows, and the
// sensor finder's fits or nearest candidates against the required range.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "sizing/range_chart.h"
#include "sizing/sensor_finder.h"
#include "sizing/sizing_row.h"

namespace tarnvik::sizing {

// A row as the chart reads it: its place, range, flows and unit text as
// the window showed them.
RangeRow RangeRowOf(const SizingRow& row);
std::vector<RangeRow> RangeRowsOf(std::span<const SizingRow> rows);

// One bar per row of a range table, in its order; the rows of the current
// selection highlighted (none by default). The rows are of one sensor type.
RangeChart RangeTableChart(std::span<const SizingRow> rows, const RangeSelection& current = {});

// The finder's fits, best first, or when nothing fits its nearest
// candidates, with the required range hatched. unit is the unit the flows
// were asked in, for the axis where the rows' unit texts differ (sm3/h
// beside the m3/h of a type whose reference is fixed).
RangeChart FinderChart(const FindResult& found, const RequiredRange& required,
                       std::string_view unit);

}  // namespace tarnvik::sizing
