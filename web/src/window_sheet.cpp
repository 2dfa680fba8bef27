// The window's pipe, its results as text and its sizing sheet: the
// library's lookup, clipboard text and sheet generator for the page.
#include <string>

#include "core/control_ids.h"
#include "sizing/current_chart.h"
#include "sizing/results_text.h"
#include "sizing/sizing_sheet.h"
#include "sizing/window_pipe.h"
#include "sizing_api.h"
#include "window_api.h"

#ifndef TARNVIK_VERSION
#error "TARNVIK_VERSION must name the project version"
#endif

namespace tarnvik::web {

using emscripten::val;

namespace {

std::string Field(const val& fields, const char* name) {
    if (fields.isUndefined() || fields.isNull()) return std::string();
    const val v = fields[name];
    if (v.isUndefined() || v.isNull()) return std::string();
    return val::global("String")(v).as<std::string>();
}

}  // namespace

CalculationContext WindowApi::CurrentContext() const {
    return ReadCalculationContext(dlg_, Pipe());
}

val WindowApi::TypePipe(const std::string& name) {
    const sizing::PipeLookup found = sizing::FindPipe(name);
    val result = PipeLookupObject(found);
    if (!found) return result;
    if (std::string why = sizing::WhyNoPipe(dlg_.Window()); !why.empty()) {
        result.set("error", why);
        return result;
    }
    Type(id::kDiameter, found.pipe->innerText);
    pipe_.Remember(dlg_.Window(), *found.pipe);
    return result;
}

std::string WindowApi::Pipe() const {
    return pipe_.Name(dlg_.Window());
}

std::string WindowApi::ResultsText() const {
    return sizing::ResultsClipboardText(CurrentContext());
}

val WindowApi::SizingSheet(const val& fields) const {
    sizing::SizingSheet sheet;
    if (const std::string title = Field(fields, "title"); !title.empty()) sheet.title = title;
    sheet.project = Field(fields, "project");
    sheet.tag = Field(fields, "tag");
    sheet.customer = Field(fields, "customer");
    sheet.date = Field(fields, "date");
    sheet.version = TARNVIK_VERSION;
    sheet.context = CurrentContext();
    std::string chartError;
    sheet.chart = sizing::CurrentRangeChart(sheet.context, chartError);
    val result = val::object();
    result.set("html", sizing::SizingSheetHtml(sheet));
    result.set("chartError", chartError);
    return result;
}

}  // namespace tarnvik::web
