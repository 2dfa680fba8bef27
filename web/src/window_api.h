// The calculator window for JavaScript: a started CTarnvikDlg that a page
// drives with the user's actions and reads back as plain objects. It adds
// no behaviour; it only translates between the window layer and JS values.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "sizing/window_pipe.h"
#include "ui/calculation_context.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::web {

class WindowApi {
  public:
    // Runs the start-up sequence, so the first results are already shown.
    WindowApi();
    WindowApi(const WindowApi&) = delete;
    WindowApi& operator=(const WindowApi&) = delete;
    ~WindowApi();

    // {caption, width, height}: the window's title and client size in pixels.
    emscripten::val Info() const;
    // One object per template row, in template order: {row, id, kind,
    // caption, tab, x, y, width, height, text, enabled, checked, items,
    // selection, font, name, description, group}.
    emscripten::val Controls() const;
    // The object of control `id`, or null.
    emscripten::val Control(int id) const;
    // Grows with every change of any control.
    double Revision() const;
    // {inputs, results}: what the window calculated with and shows, read
    // from its controls. An input is {key, label, value, shown, derived}:
    // key and value as `tarnvik-calc --batch` takes them; derived for one
    // that is shown but not an input now (a disabled control).
    emscripten::val Context() const;

    // User actions; false where the window would ignore them (a disabled
    // control, an entry the list does not hold, a control of another kind).
    bool Choose(int id, int index);
    bool Type(int id, const std::string& text);
    bool Click(int id);

    // callback(text, caption) runs when the window shows its message box,
    // in the middle of the handler that shows it. null removes it.
    void OnMessageBox(emscripten::val callback);

    // A pipe by name ("2in sch40", "DN50 M"): its inner diameter typed into
    // the diameter box as a user would, only while that box is enabled.
    // {pipe, error, candidates}, the pipe as Pipes() lists it or null. The
    // context names the pipe while the box still shows its diameter.
    emscripten::val TypePipe(const std::string& name);
    // The name of the pipe the diameter box shows, or "".
    std::string Pipe() const;
    // The inputs and results as tab-separated lines, "label TAB value TAB
    // unit", to paste into a spreadsheet.
    std::string ResultsText() const;
    // fields: {title, project, tag, customer, date}, texts printed as
    // given (empty ones left out). Returns {html, chartError}: the
    // printable sizing sheet of the current calculation; without its range
    // chart, and the reason in chartError, where that cannot be drawn.
    emscripten::val SizingSheet(const emscripten::val& fields) const;

  private:
    CalculationContext CurrentContext() const;

    // The JSON object of the control at position index of the model.
    void AppendControl(std::string& out, std::size_t index) const;
    emscripten::val Parse(const std::string& json) const;

    CTarnvikDlg dlg_;
    sizing::WindowPipe pipe_;
    emscripten::val messageBox_ = emscripten::val::null();
    emscripten::val jsonParse_ = emscripten::val::global("JSON")["parse"];
    emscripten::val textDecoder_ = emscripten::val::global("TextDecoder").new_();
};

}  // namespace tarnvik::web
