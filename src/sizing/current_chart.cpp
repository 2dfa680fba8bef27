#include "sizing/current_chart.h"

#include <string_view>

#include "sizing/range_table.h"
#include "sizing/sizing_charts.h"

namespace tarnvik::sizing {

namespace {

std::string ValueOf(const CalculationContext& context, std::string_view key) {
    const ContextEntry* e = context.Input(key);
    return e ? e->value : std::string();
}

}  // namespace

std::optional<RangeChart> CurrentRangeChart(const CalculationContext& context, std::string& error) {
    // The table sets the section, range and diameter of each row itself.
    // Derived entries were set by the window from the others (a listed
    // gas's constant, the texts of standard conditions): typing them
    // would be refused. A pipe's diameter is derived but typed: it is the
    // diameter of the table's rows for a type without sections, and the
    // rows are named by the pipe.
    TableRequest request;
    request.optionPrefix = "";  // messages name the inputs as the context does
    for (const ContextEntry& e : context.inputs) {
        if (e.key == "section" || e.key == "range" || e.key == "pipe" || e.key == "diameter" ||
            e.derived)
            continue;
        request.options.push_back({e.key, e.value});
    }
    if (context.Input("section") == nullptr) {
        request.diameters.push_back(ValueOf(context, "diameter"));
        request.pipes.push_back(ValueOf(context, "pipe"));
    }

    const TableResult table = RangeTable(request);
    if (!table.error.empty()) {
        error = table.error;
        return std::nullopt;
    }
    return RangeTableChart(table.rows, {ValueOf(context, "section"), ValueOf(context, "diameter"),
                                        ValueOf(context, "range")});
}

}  // namespace tarnvik::sizing
