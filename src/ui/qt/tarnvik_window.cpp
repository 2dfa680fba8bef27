#include "tarnvik_window.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QWindow>

#include "accessibility.h"
#include "control_widgets.h"
#include "frame_watch.h"
#include "logo.h"
#include "message_box.h"
#include "ui/accessible_text.h"
#include "ui/tarnvik_dlg.h"
#include "undo_bound.h"
#include "window_actions.h"

namespace tarnvik::qt {

using platform::Control;
using platform::ControlKind;

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TarnvikWindow::TarnvikWindow(CTarnvikDlg& dlg, QWidget* parent)
    : QDialog(parent), dlg_(dlg), model_(dlg.Window()), fonts_(MakeWindowFonts()) {
    const platform::DialogTemplate& t = model_.Template();
    setWindowTitle(FromUtf8(t.caption));
    // Caption bar, system menu with close box; no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(platform::UnitsToPixelsX(t.width), platform::UnitsToPixelsY(t.height));
    setFont(fonts_.dialog);
    setSizeGripEnabled(false);
    InstallAccessibleInterfaces();

    model_.SetMessageBoxHook([this](std::string_view text, std::string_view caption) {
        ShowMessageBox(this, text, caption);
    });
    {
        const ApplicationFontScope scope(fonts_.dialog);
        BuildWidgets();
    }
    actions_ = new WindowActions(*this, model_);
    frameWatch_ = std::make_unique<FrameWatch>(*this, [this] { RepaintIfFrameChanged(); });
}

TarnvikWindow::~TarnvikWindow() {
    model_.SetMessageBoxHook(nullptr);
}

void TarnvikWindow::BuildWidgets() {
    const auto controls = model_.Controls();
    widgets_.reserve(controls.size());
    shownFonts_.reserve(controls.size());
    int row = 1;
    for (const Control& c : controls) {
        QWidget* w = MakeControlWidget(c, row++, fonts_, this);
        ConnectUserInput(c, w);
        widgets_.push_back(w);
        shownFonts_.push_back(c.font);
    }
    SetTabOrder();
}

void TarnvikWindow::ConnectUserInput(const Control& c, QWidget* w) {
    const int id = c.id;
    switch (c.kind) {
        case ControlKind::InputBox:
            // textEdited is the user's edit only; program writes stay silent.
            connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
                    [this, id, edit = static_cast<QLineEdit*>(w)](const QString& text) {
                        // What the box showed before the edit: the model's text.
                        const QString before = FromUtf8(model_.GetText(id));
                        model_.UserType(id, text.toStdString());
                        if (UndoBound* bound = UndoBound::Of(*edit)) bound->AfterUserEdit(before);
                        AfterUserInput();
                    });
            break;
        case ControlKind::Combo:
            connect(static_cast<QComboBox*>(w), &QComboBox::activated, this, [this, id](int index) {
                model_.UserChoose(id, index);
                AfterUserInput();
            });
            break;
        case ControlKind::Radio:
            connect(static_cast<QRadioButton*>(w), &QAbstractButton::clicked, this, [this, id] {
                model_.UserClick(id);
                AfterUserInput();
            });
            break;
        default:
            break;
    }
}

void TarnvikWindow::SetTabOrder() {
    QWidget* previous = nullptr;
    const auto controls = model_.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!controls[i].row || !controls[i].row->tab) continue;
        if (previous) QWidget::setTabOrder(previous, widgets_[i]);
        previous = widgets_[i];
    }
}

void TarnvikWindow::InitDialog() {
    dlg_.OnInitDialog();
    MirrorModel();
    // The platform gives the focus to the first tab stop that can take it.
    const auto controls = model_.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].row && controls[i].row->tab && controls[i].enabled) {
            widgets_[i]->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

int TarnvikWindow::RunModal() {
    InitDialog();
    if (model_.Ended()) return model_.Result() == platform::DialogResult::Ok ? Accepted : Rejected;
    return exec();
}

void TarnvikWindow::MirrorModel() {
    if (mirroredOnce_ && model_.Revision() == mirroredRevision_) return;
    const auto controls = model_.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        MirrorControl(controls[i], *widgets_[i], fonts_, shownFonts_[i]);
    MirrorAccessibleTexts();
    if (!iconShown_ && model_.IconSet()) {
        setWindowIcon(AppIcon());  // large and small
        iconShown_ = true;
    }
    mirroredRevision_ = model_.Revision();
    mirroredOnce_ = true;
}

void TarnvikWindow::MirrorAccessibleTexts() {
    const auto controls = model_.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlKind kind = controls[i].kind;
        // Labels and frames read as their own captions already.
        if (kind != ControlKind::InputBox && kind != ControlKind::OutputBox &&
            kind != ControlKind::Combo && kind != ControlKind::Radio)
            continue;
        const AccessibleText text = DescribeControl(model_, i);
        QWidget& w = *widgets_[i];
        const QString name = FromUtf8(text.name);
        const QString description = FromUtf8(text.description);
        if (w.accessibleName() != name) w.setAccessibleName(name);
        if (w.accessibleDescription() != description) w.setAccessibleDescription(description);
    }
}

QWidget* TarnvikWindow::ControlWidget(int id) const {
    const auto controls = model_.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].id == id && id != platform::kNoId) return widgets_[i];
    return nullptr;
}

void TarnvikWindow::AfterUserInput() {
    MirrorModel();
    actions_->AfterUserInput();
    if (!model_.Ended() || !isVisible()) return;
    QDialog::done(model_.Result() == platform::DialogResult::Ok ? Accepted : Rejected);
}

void TarnvikWindow::accept() {
    model_.UserEnter();
    AfterUserInput();
}

void TarnvikWindow::reject() {
    // Escape, the close box and Close of the system menu.
    model_.UserEscape();
    AfterUserInput();
}

void TarnvikWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && modifiers == Qt::NoModifier) {
        // No default push button: Enter in any control gives the OK command.
        // An open combo list keeps its Enter; a closed one passes it here.
        accept();
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TarnvikWindow::contextMenuEvent(QContextMenuEvent* event) {
    actions_->ShowMenu(event->globalPos());
}

void TarnvikWindow::paintEvent(QPaintEvent* /*event*/) {
    paintedOuter_ = OuterSize();
    QPainter painter(this);
    PaintLogo(painter, paintedOuter_);
}

void TarnvikWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    // A window manager that framed the window after its first paint changes
    // the outer size and so the logo's place.
    RepaintIfFrameChanged();
}

void TarnvikWindow::RepaintIfFrameChanged() {
    if (paintedOuter_.isValid() && OuterSize() != paintedOuter_) update();
}

QSize TarnvikWindow::OuterSize() const {
    // From the native window, which reads the frame afresh once the window
    // manager changed it; QWidget::frameGeometry() keeps the frame it saw
    // first, often none, until the window moves or is shown again.
    if (const QWindow* native = windowHandle()) return native->frameGeometry().size();
    return frameGeometry().size();
}

}  // namespace tarnvik::qt
