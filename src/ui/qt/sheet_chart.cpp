#include "sheet_chart.h"

#include <string_view>

#include "sizing/range_table.h"
#include "sizing/window_session.h"

namespace tarnvik::qt {

namespace {

std::string ValueOf(const CalculationContext& context, std::string_view key) {
    const ContextEntry* e = context.Input(key);
    return e ? e->value : std::string();
}

}  // namespace

std::optional<sizing::RangeChart> CurrentRangeChart(const CalculationContext& context,
                                                    std::string& error) {
    // The table sets the section, range and diameter of each row itself.
    // Derived entries were set by the window from the others (a listed
    // gas's constant, the texts of standard conditions): typing them
    // would be refused. A pipe's diameter is derived but typed: it is the
    // diameter of the table's rows for a type without sections.
    sizing::TableRequest request;
    request.optionPrefix = "";  // messages name the inputs as the context does
    for (const ContextEntry& e : context.inputs) {
        if (e.key == "section" || e.key == "range" || e.key == "pipe" || e.key == "diameter" ||
            e.derived)
            continue;
        request.options.push_back({e.key, e.value});
    }
    const bool sections = context.Input("section") != nullptr;
    if (!sections) request.diameters.push_back(ValueOf(context, "diameter"));

    const sizing::TableResult table = sizing::RangeTable(request);
    if (!table.error.empty()) {
        error = table.error;
        return std::nullopt;
    }
    std::vector<sizing::RangeRow> rows;
    rows.reserve(table.rows.size());
    for (const sizing::SizingRow& row : table.rows) {
        rows.push_back({row.section, row.diameter, row.range, row.results[sizing::result::kMinFlow],
                        row.results[sizing::result::kMaxFlow],
                        row.results[sizing::result::kMaxFlowUnit]});
    }
    return sizing::RangeChartOf(
        ValueOf(context, "sensor"), rows,
        {ValueOf(context, "section"), ValueOf(context, "diameter"), ValueOf(context, "range")});
}

}  // namespace tarnvik::qt
