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
    // One working window: it reads the type's sections and ranges, then is
    // reset to the started one for every row.
    WindowSession working(started);
    if (auto error = working.Apply(Opt::Sensor, sensor)) return Error(error->Describe(prefix));
    const std::vector<std::string> sections = working.Items(id::kSection);
    const std::vector<std::string> ranges = working.Items(id::kRange);
    // A type with sections takes no diameter: typing it lets the window say so.
    if (!sections.empty() && !request.diameters.empty())
        values[Opt::Diameter] = request.diameters.front();

    TableResult table;
    for (const RowPlace& place :
         RowPlaces(sensor, sections, request.diameters, ranges, request.pipes)) {
        SizingRow& row = table.rows.emplace_back();
        if (auto error = RunRow(started, working, values, place, row)) {
            if (!sections.empty() && !request.pipes.empty()) error->NamePipe(request.pipes.front());
            return Error(error->Describe(prefix));
        }
    }
    return table;
}

}  // namespace tarnvik::sizing
