// Range charts: one horizontal bar per row of a range table, from the
// minimum to the maximum flow, on a logarithmic flow axis, as a
// self-contained SVG 1.1 image. It must read on a greyscale printout:
// the highlighted bars differ from the others by a dark fill, a heavy
// outline and a bold label, and the required range is a hatched band with
// dashed edges, not a colour of its own. No font is loaded (generic
// sans-serif) and nothing outside the file is referred to.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik::sizing {

struct RangeBar {
    std::string label;  // "QA40 DN25 S"
    // Flows in the chart's unit. A minimum that is not above zero or not a
    // number (the window's "N/A") leaves the bar open at the axis' left
    // end; a maximum that is not above zero or not a number draws no bar.
    double minFlow = 0.0;
    double maxFlow = 0.0;
    std::string minText;  // as the window shows them: "0.52", "N/A"
    std::string maxText;
    bool highlighted = false;
};

struct RequiredRange {
    double low = 0.0;
    double high = 0.0;
    std::string lowText;  // as the user wrote them
    std::string highText;
};

struct RangeChart {
    std::string title;
    std::string description;  // what the chart shows, for <desc> and screen readers
    std::string unit;         // the flow unit text as shown: "sm3/h"
    std::vector<RangeBar> bars;
    std::optional<RequiredRange> required;
};

// Where everything lands, in px of the SVG's user space.
struct BarGeometry {
    double x0 = 0.0;
    double x1 = 0.0;
    double y = 0.0;  // top of the bar
    double height = 0.0;
    bool drawn = false;         // false: no maximum flow to draw
    bool openStart = false;     // no minimum flow: starts at the axis' left end
    bool clippedStart = false;  // minimum below the axis: starts at its left end
};

struct ChartGeometry {
    double width = 0.0;
    double height = 0.0;
    double plotLeft = 0.0;
    double plotRight = 0.0;
    double plotTop = 0.0;
    double plotBottom = 0.0;
    double rowHeight = 0.0;  // one bar per row, from plotTop down
    // The axis runs from 10^firstDecade to 10^lastDecade of the unit.
    int firstDecade = 0;
    int lastDecade = 1;
    std::vector<BarGeometry> bars;  // one per bar of the chart, in order
    std::optional<double> requiredX0;
    std::optional<double> requiredX1;

    // The x of a flow, held inside the plot; the left end for a flow that
    // is not above zero.
    double X(double flow) const;
};

// The axis covers every flow of the bars and the required range, whole
// decades, at most eight of them (smaller minimums are clipped).
ChartGeometry LayoutRangeChart(const RangeChart& chart);

// The chart as a standalone SVG document (it also works inline in HTML).
std::string RangeChartSvg(const RangeChart& chart);

// Text for XML and HTML content and attribute values: markup characters
// as entities, control characters and bytes that are not UTF-8 as U+FFFD,
// so any user text leaves the document well-formed.
std::string EscapeMarkup(std::string_view text);

// --- Chart data from a range table ----------------------------------------

// One row of a range table, as the window showed it.
struct RangeRow {
    std::string section;   // "DN25"; empty for a type with a free diameter
    std::string diameter;  // as the diameter box showed it: "27.3"
    std::string range;     // "S"; empty for a type without ranges
    std::string minFlow;   // "0.52", "N/A"
    std::string maxFlow;
    std::string unit;  // the maximum flow's unit text: "sm3/h"
};

// What the window has chosen now; the rows that match it are highlighted.
struct RangeSelection {
    std::string section;
    std::string diameter;
    std::string range;
};

// The chart of one sensor type's rows: "QA40 DN25 S" or "QA30 80.5 mm S"
// per row, the unit of the rows, and a description naming the highlighted
// choice and the required range.
RangeChart RangeChartOf(std::string_view sensor, std::span<const RangeRow> rows,
                        const RangeSelection& current,
                        std::optional<RequiredRange> required = std::nullopt);

}  // namespace tarnvik::sizing
