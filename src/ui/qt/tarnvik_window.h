// The calculator window as Qt widgets. It implements no behaviour: it builds
// one widget per template row, sends only user input (textEdited, activated,
// clicked, Enter, Escape, the close box) into the window layer's driver API,
// and after every user event mirrors the whole model into the widgets.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

#include "fonts.h"
#include "platform/dialog.h"

namespace tarnvik {
class CTarnvikDlg;
}

namespace tarnvik::qt {

class FrameWatch;
class WindowActions;

class TarnvikWindow : public QDialog {
  public:
    // Builds the widgets and installs the message-box hook; the model is
    // not started yet (InitDialog does that).
    explicit TarnvikWindow(CTarnvikDlg& dlg, QWidget* parent = nullptr);
    ~TarnvikWindow() override;

    // The start of a modal run: the behaviour's OnInitDialog, the first
    // mirror, and the focus on the first tab stop.
    void InitDialog();
    // InitDialog, then the modal event loop until the model ends.
    int RunModal();

    // Copies the model into the widgets if it changed since the last time.
    void MirrorModel();

    // The widget of control id (nullptr for none).
    QWidget* ControlWidget(int id) const;
    // Widgets in template order, one per row.
    const std::vector<QWidget*>& RowWidgets() const { return widgets_; }
    const WindowFonts& Fonts() const { return fonts_; }
    // The context menu's commands and their shortcuts.
    WindowActions& Actions() const { return *actions_; }

    // The OK and cancel commands; both go to the model, which decides.
    void accept() override;
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // Right click on the window's face or on a control without a menu of
    // its own, or the menu key there.
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void BuildWidgets();
    void ConnectUserInput(const platform::Control& control, QWidget* widget);
    void SetTabOrder();
    // The accessible names and descriptions from the model's labels and
    // unit texts, where they changed.
    void MirrorAccessibleTexts();
    // After each user event: mirror, and close once the model has ended.
    void AfterUserInput();
    // The logo is placed by the outer size: paint again when the desktop
    // changed the frame since the last paint.
    void RepaintIfFrameChanged();
    // The window's size with the frame and caption bar the desktop adds;
    // without a window manager, the client size.
    QSize OuterSize() const;

    CTarnvikDlg& dlg_;
    platform::Dialog& model_;
    WindowFonts fonts_;
    std::vector<QWidget*> widgets_;  // by control position (template order)
    std::vector<platform::FontRole> shownFonts_;
    std::uint64_t mirroredRevision_ = 0;
    bool mirroredOnce_ = false;
    bool iconShown_ = false;
    QSize paintedOuter_;
    std::unique_ptr<FrameWatch> frameWatch_;
    WindowActions* actions_ = nullptr;  // a child of the window
};

}  // namespace tarnvik::qt
