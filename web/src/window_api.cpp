#include "window_api.h"

#include <emscripten/bind.h>

#include <string>
#include <string_view>

#include "ui/accessible_text.h"
#include "ui/calculation_context.h"

namespace tarnvik::web {

using emscripten::val;
using platform::ControlKind;
using platform::FontRole;

namespace {

std::string_view KindName(ControlKind kind) {
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

std::string_view FontName(FontRole font) {
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

// Texts as JSON strings. The model's texts are UTF-8; only the JSON
// specials and control characters need escapes.
void AppendJson(std::string& out, std::string_view text) {
    out.push_back('"');
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(ch);
        } else if (c < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        } else {
            out.push_back(ch);
        }
    }
    out.push_back('"');
}

void AppendField(std::string& out, const char* name, std::string_view text) {
    out += ',';
    AppendJson(out, name);
    out += ':';
    AppendJson(out, text);
}

void AppendField(std::string& out, const char* name, int number) {
    out += ',';
    AppendJson(out, name);
    out += ':' + std::to_string(number);
}

void AppendField(std::string& out, const char* name, bool flag) {
    out += ',';
    AppendJson(out, name);
    out += flag ? ":true" : ":false";
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

// The controls cross into JavaScript as one JSON text: a page mirrors them
// after every user event, and one crossing costs far less than a property
// set for each field of each control.
void WindowApi::AppendControl(std::string& out, std::size_t index) const {
    const platform::Control& c = dlg_.Window().Controls()[index];
    const AccessibleText spoken = DescribeControl(dlg_.Window(), index);
    out += "{\"row\":" + std::to_string(index + 1);
    // Rows without an identifier of their own (frames, rules, most labels)
    // have id null.
    out += c.id == platform::kNoId ? ",\"id\":null" : ",\"id\":" + std::to_string(c.id);
    AppendField(out, "kind", KindName(c.kind));
    AppendField(out, "caption", c.row ? c.row->caption : std::string_view());
    AppendField(out, "tab", c.row && c.row->tab);
    AppendField(out, "x", c.x);
    AppendField(out, "y", c.y);
    AppendField(out, "width", c.width);
    AppendField(out, "height", c.height);
    AppendField(out, "text", c.text);
    AppendField(out, "enabled", c.enabled);
    AppendField(out, "checked", c.checked);
    out += ",\"items\":[";
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        if (i > 0) out += ',';
        AppendJson(out, c.items[i]);
    }
    out += ']';
    AppendField(out, "selection", c.selection);
    AppendField(out, "font", FontName(c.font));
    AppendField(out, "name", spoken.name);
    AppendField(out, "description", spoken.description);
    AppendField(out, "group", spoken.group);
    out += '}';
}

val WindowApi::Parse(const std::string& json) const {
    // The UTF-8 bytes decoded in one call of TextDecoder, straight from the
    // module's memory (embind's own string conversion walks them in JS).
    const auto* bytes = reinterpret_cast<const unsigned char*>(json.data());
    const val text =
        textDecoder_.call<val>("decode", val(emscripten::typed_memory_view(json.size(), bytes)));
    return jsonParse_(text);
}

val WindowApi::Controls() const {
    std::string json = "[";
    const std::size_t count = dlg_.Window().Controls().size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) json += ',';
        AppendControl(json, i);
    }
    json += ']';
    return Parse(json);
}

val WindowApi::Control(int id) const {
    const auto controls = dlg_.Window().Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id != id || id == platform::kNoId) continue;
        std::string json;
        AppendControl(json, i);
        return Parse(json);
    }
    return val::null();
}

double WindowApi::Revision() const {
    // A double holds every count a session can reach exactly (2^53).
    return static_cast<double>(dlg_.Window().Revision());
}

val WindowApi::Context() const {
    const CalculationContext context = CurrentContext();
    val inputs = val::array();
    for (std::size_t i = 0; i < context.inputs.size(); ++i) {
        const ContextEntry& e = context.inputs[i];
        val o = val::object();
        o.set("key", e.key);
        o.set("label", e.label);
        o.set("value", e.value);
        o.set("shown", e.shown);
        o.set("derived", e.derived);
        inputs.set(i, o);
    }
    val results = val::array();
    for (std::size_t i = 0; i < context.results.size(); ++i) {
        const ResultEntry& e = context.results[i];
        val o = val::object();
        o.set("key", e.key);
        o.set("label", e.label);
        o.set("value", e.value);
        o.set("unit", e.unit);
        results.set(i, o);
    }
    val out = val::object();
    out.set("inputs", inputs);
    out.set("results", results);
    return out;
}

// After each user action the chosen pipe is forgotten once the box no
// longer shows its diameter, so that changing back never brings it back.
bool WindowApi::Choose(int id, int index) {
    const bool taken = dlg_.Window().UserChoose(id, index);
    pipe_.ForgetIfStale(dlg_.Window());
    return taken;
}

bool WindowApi::Type(int id, const std::string& text) {
    const bool taken = dlg_.Window().UserType(id, text);
    pipe_.ForgetIfStale(dlg_.Window());
    return taken;
}

bool WindowApi::Click(int id) {
    const bool taken = dlg_.Window().UserClick(id);
    pipe_.ForgetIfStale(dlg_.Window());
    return taken;
}

void WindowApi::OnMessageBox(val callback) {
    messageBox_ = std::move(callback);
}

}  // namespace tarnvik::web
