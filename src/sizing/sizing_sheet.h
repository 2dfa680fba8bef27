// The sizing sheet: one calculation as a self-contained, printable HTML
// document to hand to a customer or a colleague. Its CSS and the range
// chart are inline; it loads nothing, runs no script and prints on one A4
// page. Every text that came from a user or a window is escaped.
#pragma once

#include <optional>
#include <string>

#include "sizing/range_chart.h"
#include "ui/calculation_context.h"

namespace tarnvik::sizing {

struct SizingSheet {
    std::string title = "Sizing sheet";
    // Optional; a field left empty is left out.
    std::string project;
    std::string tag;
    std::string customer;
    std::string date;     // as the caller wants it printed
    std::string version;  // the program's version: "3.3.0"
    // Every input that applies (the pipe's name where one was chosen) and
    // the five results with their unit texts, as the window shows them.
    CalculationContext context;
    // The chosen sensor type's ranges, the current one highlighted; none
    // leaves the chart out.
    std::optional<RangeChart> chart;
};

std::string SizingSheetHtml(const SizingSheet& sheet);

}  // namespace tarnvik::sizing
