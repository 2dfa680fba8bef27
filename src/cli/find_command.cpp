#include "cli/find_command.h"

#include "cli/command_line.h"
#include "cli/result_output.h"
#include "cli/text_table.h"
#include "sizing/sensor_finder.h"

namespace tarnvik::cli {

namespace {

using sizing::FindNote;
using sizing::FoundRow;

void PrintRows(std::ostream& out, const std::vector<FoundRow>& rows, bool misses) {
    using A = TextTable::Align;
    TextTable table({A::Left, A::Left, A::Right, A::Left, A::Right, A::Right, A::Left, A::Left});
    table.AddRow({"Sensor", "Section", "Diameter (mm)", "Range", "Min. flow", "Max. flow", "Unit",
                  misses ? "Misses" : ""});
    using namespace sizing::result;
    for (const FoundRow& c : rows) {
        const sizing::SizingRow& r = c.row;
        table.AddRow({r.sensor, r.section.empty() ? "-" : r.section, r.diameter,
                      r.range.empty() ? "-" : r.range, r.results[kMinFlow], r.results[kMaxFlow],
                      r.results[kMaxFlowUnit], c.misses});
    }
    table.Print(out, "  ");
}

void PrintNotes(std::ostream& out, const sizing::FindResult& found) {
    if (!found.leftOut.empty()) {
        out << "Left out:\n";
        for (const FindNote& note : found.leftOut)
            out << "  " << Join(note.sensors) << ": " << note.text << '\n';
    }
    if (!found.notUsed.empty()) {
        out << "Not used where the window disables them:\n";
        for (const FindNote& note : found.notUsed)
            out << "  " << note.text << ": " << Join(note.sensors) << '\n';
    }
}

Json NotesJson(const std::vector<FindNote>& notes, const char* what) {
    Json array = Json::array();
    for (const FindNote& n : notes) {
        Json note = Json::object();
        note["sensors"] = n.sensors;
        note[what] = n.text;
        array.push_back(note);
    }
    return array;
}

Json RowsJson(const std::vector<FoundRow>& rows, bool misses) {
    Json array = Json::array();
    for (const FoundRow& c : rows) {
        Json row = RowJson(c.row);
        if (misses) row["misses"] = c.misses;
        array.push_back(row);
    }
    return array;
}

}  // namespace

int RunFindCommand(const sizing::OptionValues& values, const std::vector<std::string>& diameters,
                   const std::string& minFlow, const std::string& maxFlow, bool json,
                   std::ostream& out, std::ostream& err) {
    const sizing::FindResult found = sizing::FindSensors({.minFlow = minFlow,
                                                          .maxFlow = maxFlow,
                                                          .options = sizing::OptionTexts(values),
                                                          .diameters = diameters});
    if (!found.error.empty()) {
        err << "tarnvik-calc: find: " << found.error << '\n';
        return kExitUsage;
    }

    const std::string span = minFlow + " to " + maxFlow + " " + *values[sizing::Opt::Unit];
    if (json) {
        Json object = Json::object();
        object["minFlow"] = minFlow;
        object["maxFlow"] = maxFlow;
        object["unit"] = *values[sizing::Opt::Unit];
        object["fits"] = RowsJson(found.fits, false);
        object["nearest"] = RowsJson(found.nearest, true);
        object["leftOut"] = NotesJson(found.leftOut, "reason");
        object["notUsed"] = NotesJson(found.notUsed, "option");
        out << DumpPretty(object) << '\n';
    } else if (!found.fits.empty()) {
        out << found.fits.size() << " measure " << span << ", best fit first:\n";
        PrintRows(out, found.fits, false);
        PrintNotes(out, found);
    } else {
        out << "Nothing measures " << span << ".";
        if (found.nearest.empty()) {
            out << '\n';
        } else {
            out << " Nearest:\n";
            PrintRows(out, found.nearest, true);
        }
        PrintNotes(out, found);
    }
    return found.fits.empty() ? kExitSomeFailed : kExitOk;
}

}  // namespace tarnvik::cli
