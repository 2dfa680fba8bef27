#include "cli/table_command.h"

#include "cli/command_line.h"
#include "cli/result_output.h"
#include "cli/text_table.h"
#include "sizing/range_table.h"

namespace tarnvik::cli {

namespace {

using sizing::SizingRow;

std::string Dash(const std::string& text) {
    return text.empty() ? "-" : text;
}

void PrintText(std::ostream& out, const std::vector<SizingRow>& rows) {
    using A = TextTable::Align;
    TextTable table({A::Left, A::Right, A::Left, A::Right, A::Right, A::Left, A::Right, A::Left,
                     A::Right, A::Left, A::Right, A::Left});
    table.AddRow({"Section", "Diameter (mm)", "Range", "Profile factor", "Max. flow", "",
                  "Min. flow", "", "Max. velocity", "", "Cut-off velocity", ""});
    using namespace sizing::result;
    for (const SizingRow& row : rows) {
        const sizing::Results& r = row.results;
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

int RunTableCommand(const sizing::OptionValues& values, const std::vector<std::string>& diameters,
                    TableFormat format, std::ostream& out, std::ostream& err) {
    const sizing::TableResult table =
        sizing::RangeTable({.options = sizing::OptionTexts(values), .diameters = diameters});
    if (!table.error.empty()) {
        err << "tarnvik-calc: " << table.error << '\n';
        return kExitUsage;
    }
    switch (format) {
        case TableFormat::Text:
            PrintText(out, table.rows);
            break;
        case TableFormat::Csv:
            PrintCsv(out, table.rows);
            break;
        case TableFormat::Json: {
            Json array = Json::array();
            for (const SizingRow& row : table.rows) array.push_back(RowJson(row));
            out << DumpPretty(array) << '\n';
            break;
        }
    }
    return kExitOk;
}

}  // namespace tarnvik::cli
