#include "cli/catalogue_listing.h"

#include <string>
#include <vector>

#include "cli/text_table.h"
#include "sizing/sensor_survey.h"

namespace tarnvik::cli {

void PrintCatalogue(std::ostream& out) {
    using A = TextTable::Align;
    for (const sizing::SensorOffer& s : sizing::SurveySensors()) {
        TextTable table({A::Left, A::Left});
        if (s.FreeDiameter()) {
            table.AddRow({"diameter", "free, " + s.defaultDiameter + " mm at first"});
        } else {
            std::vector<std::string> sections;
            for (std::size_t i = 0; i < s.sections.size(); ++i)
                sections.push_back(s.sections[i] + " (" + s.diameters[i] + " mm)");
            table.AddRow({"sections", Join(sections)});
        }
        table.AddRow({"ranges", s.ranges.empty() ? "none" : Join(s.ranges)});
        table.AddRow({"gases", Join(s.gases)});
        table.AddRow({"units", Join(s.units)});
        table.AddRow({"reference",
                      s.references.empty() ? s.fixedReference + " (fixed)" : Join(s.references)});
        if (!s.flowTypes.empty()) table.AddRow({"flow types", Join(s.flowTypes) + " (Air)"});
        if (!s.cutoffs.empty()) table.AddRow({"cut-off", Join(s.cutoffs)});
        out << s.name << '\n';
        table.Print(out, "  ");
    }
}

}  // namespace tarnvik::cli
