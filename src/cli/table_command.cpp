#include "cli/table_command.h"

#include "cli/command_line.h"
#include "cli/result_output.h"
#include "cli/text_table.h"
#include "sizing/range_table.h"
#include "sizing/sizing_charts.h"

namespace tarnvik::cli {

namespace {

using sizing::SizingRow;

// The pipe column only where a row came from a pipe, so that a table
// without one reads as it always has.
void PrintText(std::ostream& out, const std::vector<SizingRow>& rows, bool withPipe) {
    using A = TextTable::Align;
    std::vector<A> align{A::Left,  A::Right, A::Left,  A::Right, A::Right, A::Left,
                         A::Right, A::Left,  A::Right, A::Left,  A::Right, A::Left};
    std::vector<std::string> heading{
        "Section", "Diameter (mm)", "Range", "Profile factor",   "Max. flow", "", "Min. flow",
        "",        "Max. velocity", "",      "Cut-off velocity", ""};
    if (withPipe) {
        align.insert(align.begin() + 1, A::Left);
        heading.insert(heading.begin() + 1, "Pipe");
    }
    TextTable table(align);
    table.AddRow(heading);
    using namespace sizing::result;
    for (const SizingRow& row : rows) {
        const sizing::Results& r = row.results;
        std::vector<std::string> cells{
            Dash(row.section), row.diameter,     Dash(row.range),    r[kProfileFactor],
            r[kMaxFlow],       r[kMaxFlowUnit],  r[kMinFlow],        r[kMinFlowUnit],
            r[kMaxVelocity],   r[kVelocityUnit], r[kCutoffVelocity], r[kCutoffVelocityUnit]};
        if (withPipe) cells.insert(cells.begin() + 1, Dash(row.pipe));
        table.AddRow(std::move(cells));
    }
    table.Print(out);
}

void PrintCsv(std::ostream& out, const std::vector<SizingRow>& rows, bool withPipe,
              const CsvStyle& style) {
    if (rows.empty()) return;
    out << CsvLine(RowJson(rows.front(), withPipe), true, style) << '\n';
    for (const SizingRow& row : rows) out << CsvLine(RowJson(row, withPipe), false, style) << '\n';
}

}  // namespace

int RunTableCommand(const sizing::OptionValues& values, const DiameterList& diameters,
                    TableFormat format, const CsvStyle& csv, std::ostream& out, std::ostream& err) {
    const sizing::TableResult table = sizing::RangeTable({.options = sizing::OptionTexts(values),
                                                          .diameters = diameters.diameters,
                                                          .pipes = diameters.pipes});
    if (!table.error.empty()) {
        err << "tarnvik-calc: " << table.error << '\n';
        return kExitUsage;
    }
    const bool withPipe = diameters.AnyPipe();
    switch (format) {
        case TableFormat::Text:
            PrintText(out, table.rows, withPipe);
            break;
        case TableFormat::Csv:
            PrintCsv(out, table.rows, withPipe, csv);
            break;
        case TableFormat::Json: {
            Json array = Json::array();
            for (const SizingRow& row : table.rows) array.push_back(RowJson(row, withPipe));
            out << DumpPretty(array) << '\n';
            break;
        }
        case TableFormat::Svg:
            out << sizing::RangeChartSvg(sizing::RangeTableChart(table.rows));
            break;
    }
    return kExitOk;
}

}  // namespace tarnvik::cli
