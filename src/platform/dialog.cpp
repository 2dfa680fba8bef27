#include "platform/dialog.h"

namespace tarnvik::platform {

namespace {
// Control identifiers of this window lie in a small range; an index by id
// keeps every lookup constant-time on the recalculation path.
constexpr int kIdBase = 1000;
constexpr int kIdSpan = 100;
}  // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate)
    : template_(dialogTemplate), index_(kIdSpan, -1) {
    controls_.reserve(template_.rows.size());
    int group = -1;
    for (const TemplateRow& row : template_.rows) {
        if (row.group) ++group;
        Control c;
        c.id = row.id;
        c.kind = row.kind;
        c.row = &row;
        if (row.kind == ControlKind::Label || row.kind == ControlKind::GroupBox ||
            row.kind == ControlKind::Radio)
            c.text = std::string(row.caption);
        c.x = UnitsToPixelsX(row.x);
        c.y = UnitsToPixelsY(row.y);
        c.width = UnitsToPixelsX(row.width);
        c.height = UnitsToPixelsY(row.height);
        c.radioGroup = group;
        const int slot = row.id - kIdBase;
        if (slot >= 0 && slot < kIdSpan)
            index_[static_cast<std::size_t>(slot)] = static_cast<int>(controls_.size());
        controls_.push_back(std::move(c));
    }
}

Control* Dialog::Get(int id) {
    const int slot = id - kIdBase;
    if (slot < 0 || slot >= kIdSpan) return nullptr;
    const int at = index_[static_cast<std::size_t>(slot)];
    return at < 0 ? nullptr : &controls_[static_cast<std::size_t>(at)];
}

const Control* Dialog::Get(int id) const {
    return const_cast<Dialog*>(this)->Get(id);
}

const Control* Dialog::Find(int id) const {
    return Get(id);
}

void Dialog::Raise(int id, Event event) {
    if (handler_) handler_(id, event);
}

const std::string& Dialog::GetText(int id) const {
    static const std::string none;
    const Control* c = Get(id);
    return c ? c->text : none;
}

void Dialog::SetText(int id, std::string_view text) {
    Control* c = Get(id);
    if (!c) return;
    if (c->text != text) {
        c->text.assign(text);
        Touch();
    }
    // An edit box reports every program write, even of the same text,
    // unless a transfer is running.
    if (c->IsEdit() && transferDepth_ == 0) Raise(id, Event::TextChanged);
}

void Dialog::Enable(int id, bool enabled) {
    Control* c = Get(id);
    if (!c || c->enabled == enabled) return;
    c->enabled = enabled;
    Touch();
}

bool Dialog::IsEnabled(int id) const {
    const Control* c = Get(id);
    return c && c->enabled;
}

void Dialog::ResetList(int id) {
    Control* c = Get(id);
    if (!c || c->kind != ControlKind::Combo) return;
    c->items.clear();
    c->selection = -1;
    Touch();
}

void Dialog::AppendItem(int id, std::string_view text) {
    Control* c = Get(id);
    if (!c || c->kind != ControlKind::Combo) return;
    c->items.emplace_back(text);
    Touch();
}

void Dialog::SetSelection(int id, int index) {
    Control* c = Get(id);
    if (!c || c->kind != ControlKind::Combo) return;
    const int next = (index >= 0 && index < static_cast<int>(c->items.size())) ? index : -1;
    if (c->selection == next) return;
    c->selection = next;
    Touch();
}

int Dialog::GetSelection(int id) const {
    const Control* c = Get(id);
    return c ? c->selection : -1;
}

int Dialog::ItemCount(int id) const {
    const Control* c = Get(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

void Dialog::SetCheck(int id, bool checked) {
    Control* c = Get(id);
    if (!c || c->kind != ControlKind::Radio || c->checked == checked) return;
    c->checked = checked;
    Touch();
}

bool Dialog::GetCheck(int id) const {
    const Control* c = Get(id);
    return c && c->checked;
}

void Dialog::MoveControl(int id, int xPixels, int yPixels) {
    Control* c = Get(id);
    if (!c || (c->x == xPixels && c->y == yPixels)) return;
    c->x = xPixels;
    c->y = yPixels;
    Touch();
}

void Dialog::SetFont(int id, FontRole font) {
    Control* c = Get(id);
    if (!c || c->font == font) return;
    c->font = font;
    Touch();
}

void Dialog::MessageBox(std::string_view text, std::string_view caption) {
    if (messageBox_) messageBox_(text, caption);
}

bool Dialog::UserChoose(int id, int index) {
    Control* c = Get(id);
    if (Ended() || !c || c->kind != ControlKind::Combo || !c->enabled) return false;
    if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
    SetSelection(id, index);
    // Choosing the entry that is already selected is still a choice.
    Raise(id, Event::SelectionChanged);
    return true;
}

bool Dialog::UserChoose(int id, std::string_view itemText) {
    const Control* c = Get(id);
    if (!c) return false;
    for (std::size_t i = 0; i < c->items.size(); ++i)
        if (c->items[i] == itemText) return UserChoose(id, static_cast<int>(i));
    return false;
}

bool Dialog::UserType(int id, std::string_view text) {
    Control* c = Get(id);
    if (Ended() || !c || c->kind != ControlKind::InputBox || !c->enabled) return false;
    if (c->text == text) return true;  // nothing was edited
    c->text.assign(text);
    Touch();
    Raise(id, Event::TextChanged);
    return true;
}

bool Dialog::UserTypeChars(int id, std::string_view text) {
    for (char ch : text) {
        Control* c = Get(id);
        if (Ended() || !c || c->kind != ControlKind::InputBox || !c->enabled) return false;
        c->text.push_back(ch);
        Touch();
        Raise(id, Event::TextChanged);
    }
    return true;
}

bool Dialog::UserClick(int id) {
    Control* c = Get(id);
    if (Ended() || !c || c->kind != ControlKind::Radio || !c->enabled) return false;
    const int group = c->radioGroup;
    for (Control& other : controls_) {
        if (other.kind == ControlKind::Radio && other.radioGroup == group && other.checked &&
            other.id != id) {
            other.checked = false;
        }
    }
    c->checked = true;
    Touch();
    Raise(id, Event::Clicked);
    return true;
}

void Dialog::UserEnter() {
    if (!Ended()) Raise(0, Event::OkCommand);
}

void Dialog::UserEscape() {
    if (!Ended()) Raise(0, Event::CancelCommand);
}

}  // namespace tarnvik::platform
