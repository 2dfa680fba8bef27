#include "sizing/range_table.h"

#include "core/control_ids.h"

namespace tarnvik::sizing {

namespace {

TableResult Error(std::string message) {
    TableResult r;
    r.error = std::move(message);
    return r;
}

}  // namespace

TableResult RangeTable(const TableRequest& request) {
    const std::string& prefix = request.optionPrefix;
    OptionValues values;
    constexpr Opt kNotTaken[] = {Opt::Section, Opt::Range, Opt::Diameter};
    if (std::string e = ReadOptionTexts(request.options, kNotTaken, prefix, values); !e.empty())
        return Error(e);
    if (!values[Opt::Sensor]) return Error("table needs " + prefix + "sensor");
    const std::string& sensor = *values[Opt::Sensor];

    const StartedWindow started;
    WindowSession chosen(started);
    if (auto error = chosen.Apply(Opt::Sensor, sensor)) return Error(error->Describe(prefix));
    const std::vector<std::string> sections = chosen.Items(id::kSection);
    // A type with sections takes no diameter: typing it lets the window say so.
    if (!sections.empty() && !request.diameters.empty())
        values[Opt::Diameter] = request.diameters.front();

    TableResult table;
    for (const RowPlace& place :
         RowPlaces(sensor, sections, request.diameters, chosen.Items(id::kRange))) {
        SizingRow& row = table.rows.emplace_back();
        if (auto error = RunRow(started, values, place, row)) return Error(error->Describe(prefix));
    }
    return table;
}

}  // namespace tarnvik::sizing
