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

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_template.h"

namespace tarnvik::platform {

enum class Event { TextChanged, SelectionChanged, Clicked, OkCommand, CancelCommand };

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

class Dialog {
  public:
    // id is 0 for the two commands.
    using EventHandler = std::function<void(int id, Event event)>;
    using MessageBoxHook = std::function<void(std::string_view text, std::string_view caption)>;

    explicit Dialog(const DialogTemplate& dialogTemplate);

    void SetEventHandler(EventHandler handler) { handler_ = std::move(handler); }
    void SetMessageBoxHook(MessageBoxHook hook) { messageBox_ = std::move(hook); }

    // --- operations for program code -------------------------------------
    // Empty for a control that does not exist.
    const std::string& GetText(int id) const;
    void SetText(int id, std::string_view text);
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const;

    void ResetList(int id);
    void AppendItem(int id, std::string_view text);
    void SetSelection(int id, int index);  // -1 or out of range clears it
    int GetSelection(int id) const;        // -1 without a selection
    int ItemCount(int id) const;

    void SetCheck(int id, bool checked);
    bool GetCheck(int id) const;

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
    const DialogTemplate& Template() const { return template_; }
    std::span<const Control> Controls() const { return controls_; }
    const Control* Find(int id) const;
    // Grows with every change of any control; a view mirrors when it moved.
    std::uint64_t Revision() const { return revision_; }

  private:
    Control* Get(int id);
    const Control* Get(int id) const;
    void Raise(int id, Event event);
    void Touch() { ++revision_; }

    const DialogTemplate& template_;
    std::vector<Control> controls_;
    std::vector<int> index_;  // id - kIdBase -> position in controls_, -1 if none
    EventHandler handler_;
    MessageBoxHook messageBox_;
    int transferDepth_ = 0;
    DialogResult result_ = DialogResult::Running;
    bool iconSet_ = false;
    std::uint64_t revision_ = 0;
};

}  // namespace tarnvik::platform
