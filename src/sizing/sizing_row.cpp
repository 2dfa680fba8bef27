#include "sizing/sizing_row.h"

#include <cmath>

#include "core/control_ids.h"
#include "core/numbers.h"

namespace tarnvik::sizing {

std::vector<RowPlace> RowPlaces(const std::string& sensor, const std::vector<std::string>& sections,
                                const std::vector<std::string>& diameters,
                                const std::vector<std::string>& ranges,
                                const std::vector<std::string>& pipes) {
    // Section and range names are never empty, so an empty one stands for
    // "not chosen"; a typed diameter may be any text, the empty one too.
    std::vector<RowPlace> places;
    if (!sections.empty()) {
        for (const std::string& section : sections) places.push_back({sensor, section, {}, {}});
    } else if (!diameters.empty()) {
        for (std::size_t i = 0; i < diameters.size(); ++i)
            places.push_back({sensor, "", diameters[i], {}, i < pipes.size() ? pipes[i] : ""});
    } else {
        places.push_back({sensor, "", {}, {}});  // the window's first diameter
    }
    if (ranges.empty()) return places;
    std::vector<RowPlace> rows;
    for (const RowPlace& place : places) {
        for (const std::string& range : ranges) {
            rows.push_back(place);
            rows.back().range = range;
        }
    }
    return rows;
}

std::optional<OptionError> RunRow(const StartedWindow& started, WindowSession& session,
                                  OptionValues values, const RowPlace& place, SizingRow& row,
                                  const WindowSession::SkipPolicy& skip) {
    values[Opt::Sensor] = place.sensor;
    if (!place.section.empty()) values[Opt::Section] = place.section;
    if (place.typedDiameter) values[Opt::Diameter] = place.typedDiameter;
    if (!place.range.empty()) values[Opt::Range] = place.range;
    session.ResetTo(started);
    if (auto error = session.Apply(values, skip)) {
        if (place.typedDiameter) error->NamePipe(place.pipe);
        return error;
    }
    row.sensor = place.sensor;
    row.section = place.section;
    row.diameter = session.Window().GetText(id::kDiameter);
    row.range = place.range;
    row.results = session.Read();
    row.pipe = place.pipe;
    return std::nullopt;
}

std::optional<double> ShownNumber(const std::string& text) {
    if (text == "N/A") return std::nullopt;
    const double value = ParseNumber(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace tarnvik::sizing
