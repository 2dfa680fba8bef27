// The window layer: an in-memory model of a dialog's controls standing in
// for the window toolkit. It offers the operations the calculator asks of
// the platform and delivers the events with the toolkit's rules:
//  - writing an edit box's text from program code raises its text-changed
//    event at once, nested, except while a transfer runs;
//  - program-made selections and checks raise nothing;
//  - a user click on a radio checks it, clears the other radios of its
//    group, then raises the click.
// User actions enter through the User* functions; a real toolkit ignores
// input on a disabled or read-only control, and so do they.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"

namespace tarnvik::platform {

enum class Event { TextChanged, SelectionChanged, Clicked, OkCommand, CancelCommand };
inline constexpr int kEventCount = static_cast<int>(Event::CancelCommand) + 1;

enum class FontRole { Dialog, Result, ResultBold };

enum class DialogResult { Running, Ok, Cancel };

struct Control {
    int id = kNoId;
    ControlKind kind = ControlKind::Label;
    const TemplateRow* row = nullptr;  // the template row it was made from
    std::string text;
    bool enabled = true;
    bool checked = false;
    std::vector<std::string> items;
    int selection = -1;
    int x = 0, y = 0, width = 0, height = 0;  // pixels in the client area
    FontRole font = FontRole::Dialog;
    int radioGroup = -1;  // index of the group run it belongs to

    bool IsEdit() const { return kind == ControlKind::InputBox || kind == ControlKind::OutputBox; }
};

// Tables kept per control and event have one row per id of the span and
// one more for the commands (id 0); -1 for an id outside the span.
inline constexpr int kEventRows = kControlIdSpan + 1;
constexpr int EventRowOf(int id) {
    if (id == 0) return kControlIdSpan;
    const int slot = id - kFirstControlId;
    return slot >= 0 && slot < kControlIdSpan ? slot : -1;
}

// The events a handler takes. An event no handler takes gets the toolkit's
// default handling, which for these controls is nothing, so the window
// layer does not raise it at all: a program write to an output box then
// costs no dispatch.
class HandledEvents {
  public:
    constexpr void Add(int id, Event event) {
        if (const int row = EventRowOf(id); row >= 0)
            bits_[static_cast<std::size_t>(row)] |= Bit(event);
    }
    constexpr bool Takes(int id, Event event) const {
        const int row = EventRowOf(id);
        return row >= 0 && (bits_[static_cast<std::size_t>(row)] & Bit(event)) != 0;
    }

  private:
    static constexpr std::uint8_t Bit(Event event) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(event));
    }

    std::array<std::uint8_t, kEventRows> bits_{};  // one bit per event
};

class Dialog {
  public:
    // id is 0 for the two commands.
    using EventHandler = std::function<void(int id, Event event)>;
    using MessageBoxHook = std::function<void(std::string_view text, std::string_view caption)>;

    explicit Dialog(const DialogTemplate& dialogTemplate);

    // Copying takes the controls, the result and the icon; never the wiring
    // (event handler, handled events, message box hook), which belongs to
    // whoever drives a window, nor a transfer running on the original. A
    // copy starts unwired; an assigned window keeps its own wiring and
    // reuses its storage: texts and item lists keep their capacity. Do not
    // assign to a window from inside its own event handler.
    Dialog(const Dialog& other);
    Dialog& operator=(const Dialog& other);

    // Without handledEvents the handler takes every event; with them, the
    // events it does not take are not raised. handledEvents must outlive
    // the dialog (it is normally a constant table).
    void SetEventHandler(EventHandler handler, const HandledEvents* handledEvents = nullptr) {
        handler_ = std::move(handler);
        handled_ = handledEvents;
    }
    void SetMessageBoxHook(MessageBoxHook hook) { messageBox_ = std::move(hook); }

    // --- operations for program code -------------------------------------
    // Empty for a control that does not exist.
    const std::string& GetText(int id) const {
        const Control* c = Get(id);
        return c ? c->text : kNoText;
    }
    void SetText(int id, std::string_view text);
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const {
        const Control* c = Get(id);
        return c && c->enabled;
    }

    void ResetList(int id);
    void AppendItem(int id, std::string_view text);
    void SetSelection(int id, int index);  // -1 or out of range clears it
    int GetSelection(int id) const {       // -1 without a selection
        const Control* c = Get(id);
        return c ? c->selection : -1;
    }
    // The selected entry's text; empty without a selection.
    const std::string& SelectedItem(int id) const {
        const Control* c = Get(id);
        if (!c || c->selection < 0 || static_cast<std::size_t>(c->selection) >= c->items.size())
            return kNoText;
        return c->items[static_cast<std::size_t>(c->selection)];
    }
    int ItemCount(int id) const {
        const Control* c = Get(id);
        return c ? static_cast<int>(c->items.size()) : 0;
    }

    void SetCheck(int id, bool checked);
    bool GetCheck(int id) const {
        const Control* c = Get(id);
        return c && c->checked;
    }

    void MoveControl(int id, int xPixels, int yPixels);
    void SetFont(int id, FontRole font);
    void SetIcon() { iconSet_ = true; }
    bool IconSet() const { return iconSet_; }

    void MessageBox(std::string_view text, std::string_view caption);

    // While a transfer runs, text writes raise no change events.
    class TransferScope {
      public:
        explicit TransferScope(Dialog& d) : d_(d) { ++d_.transferDepth_; }
        ~TransferScope() { --d_.transferDepth_; }
        TransferScope(const TransferScope&) = delete;
        TransferScope& operator=(const TransferScope&) = delete;

      private:
        Dialog& d_;
    };

    void EndDialog(DialogResult result) { result_ = result; }
    DialogResult Result() const { return result_; }
    bool Ended() const { return result_ != DialogResult::Running; }

    // --- user actions; false when the toolkit would ignore them ----------
    bool UserChoose(int id, int index);
    bool UserChoose(int id, std::string_view itemText);
    bool UserType(int id, std::string_view text);       // replaces the whole text
    bool UserTypeChars(int id, std::string_view text);  // appends one byte at a time
    bool UserClick(int id);
    void UserEnter();
    void UserEscape();

    // --- observation, for views and tests --------------------------------
    const DialogTemplate& Template() const { return *template_; }
    std::span<const Control> Controls() const { return controls_; }
    const Control* Find(int id) const { return Get(id); }
    // Grows with every change of any control, an assignment included; a
    // view mirrors when it moved.
    std::uint64_t Revision() const { return revision_; }

  private:
    static const std::string kNoText;

    // Index by id, so that every lookup on the recalculation path is
    // constant-time and inlined.
    const Control* Get(int id) const {
        const int slot = id - kFirstControlId;
        if (slot < 0 || slot >= kControlIdSpan) return nullptr;
        const int at = index_[static_cast<std::size_t>(slot)];
        return at < 0 ? nullptr : &controls_[static_cast<std::size_t>(at)];
    }
    Control* Get(int id) { return const_cast<Control*>(std::as_const(*this).Get(id)); }
    void Raise(int id, Event event) {
        if (handler_ && (!handled_ || handled_->Takes(id, event))) handler_(id, event);
    }
    void Touch() { ++revision_; }

    const DialogTemplate* template_;
    std::vector<Control> controls_;
    std::array<int, kControlIdSpan> index_;  // id - kFirstControlId -> position, -1 if none
    EventHandler handler_;
    const HandledEvents* handled_ = nullptr;
    MessageBoxHook messageBox_;
    int transferDepth_ = 0;
    DialogResult result_ = DialogResult::Running;
    bool iconSet_ = false;
    std::uint64_t revision_ = 0;
};

}  // namespace tarnvik::platform
