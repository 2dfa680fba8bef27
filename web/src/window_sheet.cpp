// The window's pipe, its results as text and its sizing sheet: the
// library's lookup, clipboard text and sheet generator for the page.
#include <string>

#include "core/control_ids.h"
#include "sizing/current_chart.h"
#include "sizing/results_text.h"
#include "sizing/sizing_sheet.h"
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

bool WindowApi::StillShown(const ChosenPipe& pipe) const {
    // A new sensor type writes its own diameter into the box, even where
    // the text comes out the same; a type with sections disables it.
    const platform::Dialog& window = dlg_.Window();
    return window.IsEnabled(id::kDiameter) && window.GetText(id::kDiameter) == pipe.diameter &&
           window.GetSelection(id::kSensorType) == pipe.sensor;
}

void WindowApi::ForgetStalePipe() {
    if (pipe_ && !StillShown(*pipe_)) pipe_.reset();
}

CalculationContext WindowApi::CurrentContext() const {
    return ReadCalculationContext(dlg_, Pipe());
}

val WindowApi::TypePipe(const std::string& name) {
    const sizing::PipeLookup found = sizing::FindPipe(name);
    val result = PipeLookupObject(found);
    if (!found) return result;
    platform::Dialog& window = dlg_.Window();
    if (!window.IsEnabled(id::kDiameter)) {
        const ContextEntry* sensor = CurrentContext().Input("sensor");
        result.set("error", window.ItemCount(id::kSection) > 0 && sensor
                                ? sensor->value +
                                      " is built into measuring sections: the pipe inner diameter "
                                      "is that of the chosen section and cannot be typed"
                                : std::string("the pipe inner diameter box takes no input now"));
        return result;
    }
    Type(id::kDiameter, found.pipe->innerText);
    if (window.GetText(id::kDiameter) == found.pipe->innerText)
        pipe_ = ChosenPipe{found.pipe->name, found.pipe->innerText,
                           window.GetSelection(id::kSensorType)};
    return result;
}

std::string WindowApi::Pipe() const {
    return pipe_ && StillShown(*pipe_) ? pipe_->name : std::string();
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
