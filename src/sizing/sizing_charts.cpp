#include "sizing/sizing_charts.h"

#include <string>

#include "sizing/message_text.h"

namespace tarnvik::sizing {

namespace {

constexpr const char* kEnDash = " \xE2\x80\x93 ";

}  // namespace

RangeRow RangeRowOf(const SizingRow& row) {
    using namespace result;
    return {row.section,
            row.diameter,
            row.range,
            row.results[kMinFlow],
            row.results[kMaxFlow],
            row.results[kMaxFlowUnit],
            row.pipe};
}

std::vector<RangeRow> RangeRowsOf(std::span<const SizingRow> rows) {
    std::vector<RangeRow> out;
    out.reserve(rows.size());
    for (const SizingRow& row : rows) out.push_back(RangeRowOf(row));
    return out;
}

RangeChart RangeTableChart(std::span<const SizingRow> rows, const RangeSelection& current) {
    const std::string sensor = rows.empty() ? std::string() : rows.front().sensor;
    return RangeChartOf(sensor, RangeRowsOf(rows), current);
}

RangeChart FinderChart(const FindResult& found, const RequiredRange& required,
                       std::string_view unit) {
    const bool fits = !found.fits.empty();
    const std::vector<FoundRow>& rows = fits ? found.fits : found.nearest;
    RangeChart chart;
    for (const FoundRow& c : rows)
        chart.bars.push_back(RangeBarOf(c.row.sensor, RangeRowOf(c.row)));

    // The rows' unit text where they agree ("sm3/h"), else the unit asked in.
    chart.unit = rows.empty() ? std::string(unit) : rows.front().row.results[result::kMaxFlowUnit];
    for (const FoundRow& c : rows)
        if (c.row.results[result::kMaxFlowUnit] != chart.unit) chart.unit = unit;

    // The question as asked; the axis and the band speak the rows' unit.
    const std::string span =
        required.lowText + kEnDash + required.highText + " " + std::string(unit);
    if (fits) {
        chart.title = "Sensors for " + span + ", best fit first";
        chart.description =
            "Minimum to maximum flow of each sensor type, section and range "
            "that measures " +
            span + ", best fit first, on a logarithmic axis.";
    } else {
        chart.title = "Nothing measures " + span + ": the nearest";
        chart.description = "Nothing measures " + span +
                            ". Minimum to maximum flow of the nearest sensor types, sections "
                            "and ranges, on a logarithmic axis.";
    }
    chart.description += " Hatched: the required range.";
    for (const FindNote& note : found.leftOut)
        chart.description += " Left out: " + Join(note.sensors) + " (" + note.text + ").";
    chart.required = required;
    return chart;
}

}  // namespace tarnvik::sizing
