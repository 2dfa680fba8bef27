#include "cli/find_command.h"

#include <algorithm>

#include "cli/command_line.h"
#include "cli/result_output.h"
#include "cli/text_table.h"
#include "sizing/plain_decimal.h"
#include "sizing/sensor_finder.h"
#include "sizing/sizing_charts.h"

namespace tarnvik::cli {

namespace {

using sizing::FindNote;
using sizing::FoundRow;
using sizing::ReadPlainDecimal;

// The pipe column only where a pipe was given, so that a list without one
// reads as it always has.
void PrintRows(std::ostream& out, const std::vector<FoundRow>& rows, bool misses, bool withPipe) {
    using A = TextTable::Align;
    std::vector<A> align{A::Left, A::Left, A::Right, A::Left, A::Right, A::Right, A::Left, A::Left};
    std::vector<std::string> heading{
        "Sensor",    "Section",   "Diameter (mm)", "Range",
        "Min. flow", "Max. flow", "Unit",          misses ? "Misses" : ""};
    if (withPipe) {
        align.insert(align.begin() + 2, A::Left);
        heading.insert(heading.begin() + 2, "Pipe");
    }
    TextTable table(align);
    table.AddRow(heading);
    using namespace sizing::result;
    for (const FoundRow& c : rows) {
        const sizing::SizingRow& r = c.row;
        std::vector<std::string> cells{r.sensor,
                                       Dash(r.section),
                                       r.diameter,
                                       Dash(r.range),
                                       r.results[kMinFlow],
                                       r.results[kMaxFlow],
                                       r.results[kMaxFlowUnit],
                                       c.misses};
        if (withPipe) cells.insert(cells.begin() + 2, Dash(r.pipe));
        table.AddRow(std::move(cells));
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

Json RowsJson(const std::vector<FoundRow>& rows, bool misses, bool withPipe) {
    Json array = Json::array();
    for (const FoundRow& c : rows) {
        Json row = RowJson(c.row, withPipe);
        if (misses) row["misses"] = c.misses;
        array.push_back(row);
    }
    return array;
}

// The unit as the rows show it ("sm3/h" for --unit m3/h at standard
// conditions), so that the range in the heading reads in the rows' own
// unit; types that show another unit text (QA20-V's actual l/min) add
// theirs: "sl/min or l/min". The given unit where no row is shown.
std::string ShownUnit(const sizing::FindResult& found, const std::string& given) {
    std::vector<std::string> texts;
    for (const auto* rows : {&found.fits, &found.nearest})
        for (const FoundRow& r : *rows) {
            const std::string& text = r.row.results[sizing::result::kMaxFlowUnit];
            if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
        }
    if (texts.empty()) return given;
    std::string joined = texts.front();
    for (std::size_t i = 1; i < texts.size(); ++i) joined += " or " + texts[i];
    return joined;
}

}  // namespace

int RunFindCommand(const sizing::OptionValues& values, const DiameterList& diameters,
                   const std::string& minFlow, const std::string& maxFlow, FindFormat format,
                   const CsvStyle& csv, std::ostream& out, std::ostream& err) {
    const sizing::FindResult found = sizing::FindSensors({.minFlow = minFlow,
                                                          .maxFlow = maxFlow,
                                                          .options = sizing::OptionTexts(values),
                                                          .diameters = diameters.diameters,
                                                          .pipes = diameters.pipes});
    if (!found.error.empty()) {
        err << "tarnvik-calc: find: " << found.error << '\n';
        return kExitUsage;
    }

    const std::string& unit = *values[sizing::Opt::Unit];
    const std::string shownUnit = ShownUnit(found, unit);
    const std::string span = minFlow + " to " + maxFlow + " " + shownUnit;
    const bool withPipe = diameters.AnyPipe();
    if (format == FindFormat::Svg) {
        // The finder has read both bounds as plain decimals already.
        const sizing::RequiredRange required{ReadPlainDecimal(minFlow).value_or(0),
                                             ReadPlainDecimal(maxFlow).value_or(0), minFlow,
                                             maxFlow};
        out << sizing::RangeChartSvg(sizing::FinderChart(found, required, unit));
    } else if (format == FindFormat::Csv) {
        // The fits, or when nothing fits the nearest with what they miss.
        const bool misses = found.fits.empty();
        const Json rows = RowsJson(misses ? found.nearest : found.fits, misses, withPipe);
        Json header = rows.empty() ? RowJson(sizing::SizingRow{}, withPipe) : rows.front();
        if (rows.empty() && misses) header["misses"] = "";
        out << CsvLine(header, true, csv) << '\n';
        for (const Json& row : rows) out << CsvLine(row, false, csv) << '\n';
    } else if (format == FindFormat::Json) {
        Json object = Json::object();
        object["minFlow"] = minFlow;
        object["maxFlow"] = maxFlow;
        object["unit"] = unit;
        object["fits"] = RowsJson(found.fits, false, withPipe);
        object["nearest"] = RowsJson(found.nearest, true, withPipe);
        object["leftOut"] = NotesJson(found.leftOut, "reason");
        object["notUsed"] = NotesJson(found.notUsed, "option");
        out << DumpPretty(object) << '\n';
    } else if (!found.fits.empty()) {
        out << found.fits.size() << " measure " << span << ", best fit first:\n";
        PrintRows(out, found.fits, false, withPipe);
        PrintNotes(out, found);
    } else {
        out << "Nothing measures " << span << ".";
        if (found.nearest.empty()) {
            out << '\n';
        } else {
            out << " Nearest:\n";
            PrintRows(out, found.nearest, true, withPipe);
        }
        PrintNotes(out, found);
    }
    return found.fits.empty() ? kExitSomeFailed : kExitOk;
}

}  // namespace tarnvik::cli
