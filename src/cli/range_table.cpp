#include "cli/range_table.h"

#include "cli/command_line.h"
#include "cli/sizing_row.h"
#include "cli/text_table.h"
#include "core/control_ids.h"

namespace tarnvik::cli {

namespace {

std::string Dash(const std::string& text) {
    return text.empty() ? "-" : text;
}

void PrintText(std::ostream& out, const std::vector<SizingRow>& rows) {
    using A = TextTable::Align;
    TextTable table({A::Left, A::Right, A::Left, A::Right, A::Right, A::Left, A::Right, A::Left,
                     A::Right, A::Left, A::Right, A::Left});
    table.AddRow({"Section", "Diameter (mm)", "Range", "Profile factor", "Max. flow", "",
                  "Min. flow", "", "Max. velocity", "", "Cut-off velocity", ""});
    using namespace result;
    for (const SizingRow& row : rows) {
        const Results& r = row.results;
        table.AddRow({Dash(row.section), row.diameter, Dash(row.range), r[kProfileFactor],
                      r[kMaxFlow], r[kMaxFlowUnit], r[kMinFlow], r[kMinFlowUnit], r[kMaxVelocity],
                      r[kVelocityUnit], r[kCutoffVelocity], r[kCutoffVelocityUnit]});
    }
    table.Print(out);
}

// RFC 4180: a field with a comma, quote or line break is quoted. A typed
// diameter can hold any of them.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const Json& object, bool keys) {
    std::string line;
    for (const auto& [key, value] : object.items()) {
        if (!line.empty()) line += ',';
        line += CsvField(keys ? key : value.get<std::string>());
    }
    return line;
}

void PrintCsv(std::ostream& out, const std::vector<SizingRow>& rows) {
    if (rows.empty()) return;
    out << CsvLine(RowJson(rows.front()), true) << '\n';
    for (const SizingRow& row : rows) out << CsvLine(RowJson(row), false) << '\n';
}

}  // namespace

int RunRangeTable(const OptionValues& values, const std::vector<std::string>& diameters,
                  TableFormat format, std::ostream& out, std::ostream& err) {
    if (!values[Opt::Sensor]) {
        err << "tarnvik-calc: table needs --sensor\n";
        return kExitUsage;
    }
    const std::string& sensor = *values[Opt::Sensor];
    WindowSession chosen;
    if (auto error = chosen.Apply(Opt::Sensor, sensor)) {
        err << "tarnvik-calc: " << error->Describe("--") << '\n';
        return kExitUsage;
    }

    const std::vector<std::string> sections = chosen.Items(id::kSection);
    std::vector<SizingRow> rows = RowsFor(sensor, sections, diameters, chosen.Items(id::kRange));
    OptionValues rowValues = values;
    // A type with sections takes no diameter: typing it lets the window say so.
    if (!sections.empty() && !diameters.empty()) rowValues[Opt::Diameter] = diameters.front();
    for (SizingRow& row : rows) {
        if (auto error = RunRow(rowValues, row)) {
            err << "tarnvik-calc: " << error->Describe("--") << '\n';
            return kExitUsage;
        }
    }

    switch (format) {
        case TableFormat::Text:
            PrintText(out, rows);
            break;
        case TableFormat::Csv:
            PrintCsv(out, rows);
            break;
        case TableFormat::Json: {
            Json array = Json::array();
            for (const SizingRow& row : rows) array.push_back(RowJson(row));
            out << DumpPretty(array) << '\n';
            break;
        }
    }
    return kExitOk;
}

}  // namespace tarnvik::cli
