#include "window_api.h"

#include <emscripten/bind.h>

#include "ui/accessible_text.h"

namespace tarnvik::web {

using emscripten::val;
using platform::ControlKind;
using platform::FontRole;

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "label";
        case ControlKind::Line:
            return "line";
        case ControlKind::GroupBox:
            return "groupbox";
        case ControlKind::InputBox:
            return "input";
        case ControlKind::OutputBox:
            return "output";
        case ControlKind::Combo:
            return "combo";
        case ControlKind::Radio:
            return "radio";
    }
    return "label";
}

const char* FontName(FontRole font) {
    switch (font) {
        case FontRole::Result:
            return "result";
        case FontRole::ResultBold:
            return "resultBold";
        case FontRole::Dialog:
            break;
    }
    return "dialog";
}

val Strings(const std::vector<std::string>& items) {
    val array = val::array();
    for (std::size_t i = 0; i < items.size(); ++i) array.set(i, items[i]);
    return array;
}

}  // namespace

// The message box caption is the program's name, as on the desktop.
WindowApi::WindowApi() : dlg_("tarnvik") {
    dlg_.Window().SetMessageBoxHook([this](std::string_view text, std::string_view caption) {
        if (messageBox_.isNull() || messageBox_.isUndefined()) return;
        messageBox_(std::string(text), std::string(caption));
    });
    dlg_.OnInitDialog();
}

WindowApi::~WindowApi() {
    dlg_.Window().SetMessageBoxHook(nullptr);
}

val WindowApi::Info() const {
    const platform::DialogTemplate& t = dlg_.Window().Template();
    val info = val::object();
    info.set("caption", std::string(t.caption));
    info.set("width", platform::UnitsToPixelsX(t.width));
    info.set("height", platform::UnitsToPixelsY(t.height));
    return info;
}

val WindowApi::ControlObject(std::size_t index) const {
    const platform::Control& c = dlg_.Window().Controls()[index];
    const AccessibleText spoken = DescribeControl(dlg_.Window(), index);
    val o = val::object();
    o.set("row", static_cast<int>(index) + 1);
    // Rows without an identifier of their own (frames, rules, most labels)
    // have id null.
    o.set("id", c.id == platform::kNoId ? val::null() : val(c.id));
    o.set("kind", KindName(c.kind));
    o.set("caption", c.row ? std::string(c.row->caption) : std::string());
    o.set("tab", c.row && c.row->tab);
    o.set("x", c.x);
    o.set("y", c.y);
    o.set("width", c.width);
    o.set("height", c.height);
    o.set("text", c.text);
    o.set("enabled", c.enabled);
    o.set("checked", c.checked);
    o.set("items", Strings(c.items));
    o.set("selection", c.selection);
    o.set("font", FontName(c.font));
    o.set("name", spoken.name);
    o.set("description", spoken.description);
    o.set("group", spoken.group);
    return o;
}

val WindowApi::Controls() const {
    val array = val::array();
    const std::size_t count = dlg_.Window().Controls().size();
    for (std::size_t i = 0; i < count; ++i) array.set(i, ControlObject(i));
    return array;
}

val WindowApi::Control(int id) const {
    const auto controls = dlg_.Window().Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].id == id && id != platform::kNoId) return ControlObject(i);
    return val::null();
}

double WindowApi::Revision() const {
    // A double holds every count a session can reach exactly (2^53).
    return static_cast<double>(dlg_.Window().Revision());
}

bool WindowApi::Choose(int id, int index) {
    return dlg_.Window().UserChoose(id, index);
}

bool WindowApi::Type(int id, const std::string& text) {
    return dlg_.Window().UserType(id, text);
}

bool WindowApi::Click(int id) {
    return dlg_.Window().UserClick(id);
}

void WindowApi::OnMessageBox(val callback) {
    messageBox_ = std::move(callback);
}

}  // namespace tarnvik::web
