#include "platform/dialog.h"

namespace tarnvik::platform {

const std::string Dialog::kNoText;

Dialog::Dialog(const DialogTemplate& dialogTemplate) : template_(&dialogTemplate) {
    index_.fill(-1);
    controls_.reserve(template_->rows.size());
    int group = -1;
    for (const TemplateRow& row : template_->rows) {
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
        const int slot = row.id - kFirstControlId;
        if (slot >= 0 && slot < kControlIdSpan)
            index_[static_cast<std::size_t>(slot)] = static_cast<int>(controls_.size());
        controls_.push_back(std::move(c));
    }
}

Dialog::Dialog(const Dialog& other)
    : template_(other.template_),
      controls_(other.controls_),
      index_(other.index_),
      result_(other.result_),
      iconSet_(other.iconSet_),
      revision_(other.revision_) {}

Dialog& Dialog::operator=(const Dialog& other) {
    if (this == &other) return *this;
    if (template_ != other.template_) {
        template_ = other.template_;
        index_ = other.index_;
    }
    // Element-wise: with the same template every control is assigned in
    // place, so its text and items reuse the storage they already have.
    controls_ = other.controls_;
    result_ = other.result_;
    iconSet_ = other.iconSet_;
    // Whatever this window showed before, a view must mirror it anew.
    Touch();
    return *this;
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

void Dialog::SetCheck(int id, bool checked) {
    Control* c = Get(id);
    if (!c || c->kind != ControlKind::Radio || c->checked == checked) return;
    c->checked = checked;
    Touch();
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
