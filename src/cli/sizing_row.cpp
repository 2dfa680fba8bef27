#include "cli/sizing_row.h"

#include <cmath>

#include "core/control_ids.h"
#include "core/numbers.h"

namespace tarnvik::cli {

std::optional<OptionError> RunRow(OptionValues values, SizingRow& row,
                                  const WindowSession::SkipPolicy& skip) {
    values[Opt::Sensor] = row.sensor;
    if (!row.section.empty()) values[Opt::Section] = row.section;
    if (row.typedDiameter) values[Opt::Diameter] = row.typedDiameter;
    if (!row.range.empty()) values[Opt::Range] = row.range;
    WindowSession session;
    if (auto error = session.Apply(values, skip)) return error;
    row.diameter = session.Window().GetText(id::kDiameter);
    row.results = session.Read();
    return std::nullopt;
}

std::vector<SizingRow> RowsFor(const std::string& sensor, const std::vector<std::string>& sections,
                               const std::vector<std::string>& diameters,
                               const std::vector<std::string>& ranges) {
    // Section and range names are never empty, so an empty one stands for
    // "not chosen"; a typed diameter may be any text, the empty one too.
    std::vector<SizingRow> places;
    if (!sections.empty()) {
        for (const std::string& section : sections)
            places.push_back({sensor, section, {}, {}, {}, {}});
    } else if (!diameters.empty()) {
        for (const std::string& d : diameters) places.push_back({sensor, "", d, {}, {}, {}});
    } else {
        places.push_back({sensor, "", {}, {}, {}, {}});  // the window's first diameter
    }
    if (ranges.empty()) return places;
    std::vector<SizingRow> rows;
    for (const SizingRow& place : places) {
        for (const std::string& range : ranges) {
            rows.push_back(place);
            rows.back().range = range;
        }
    }
    return rows;
}

Json RowJson(const SizingRow& row) {
    Json object = Json::object();
    object["sensor"] = row.sensor;
    object["section"] = row.section;
    object["diameter"] = row.diameter;
    object["range"] = row.range;
    object.update(ResultsJson(row.results));
    return object;
}

std::optional<double> ShownNumber(const std::string& text) {
    if (text == "N/A") return std::nullopt;
    const double value = ParseNumber(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace tarnvik::cli
