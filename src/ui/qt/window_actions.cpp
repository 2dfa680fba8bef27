#include "window_actions.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include "core/control_ids.h"
#include "pipe_sizes_dialog.h"
#include "platform/dialog.h"
#include "sheet_prompts.h"
#include "sizing/results_text.h"
#include "sizing/sizing_sheet.h"
#include "sizing/window_pipe.h"
#include "tarnvik_window.h"
#include "ui/calculation_context.h"

namespace tarnvik::qt {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* MakeAction(QWidget& window, const QString& text, QList<QKeySequence> keys) {
    auto* action = new QAction(text, &window);
    action->setShortcuts(keys);
    window.addAction(action);  // the shortcuts work wherever the window has the focus
    return action;
}

}  // namespace

WindowActions::WindowActions(TarnvikWindow& window, platform::Dialog& model)
    : QObject(&window), window_(window), model_(model) {
    // Mnemonics apart from those of the edit boxes' own entries (Undo,
    // Redo, Cut, Copy, Paste), which share a menu with these.
    // Ctrl+D: F4 opens a list, Ctrl+P prints elsewhere.
    pipeSizes_ =
        MakeAction(window, QStringLiteral("P&ipe sizes…"), {QKeySequence(Qt::CTRL | Qt::Key_D)});
    saveSheet_ = MakeAction(window, QStringLiteral("&Save sizing sheet…"),
                            QKeySequence::keyBindings(QKeySequence::Save));
    // An edit box with selected text keeps Ctrl+C for its selection: it
    // takes the key before the window's shortcut (see eventFilter).
    copyResults_ = MakeAction(window, QStringLiteral("Cop&y results"),
                              QKeySequence::keyBindings(QKeySequence::Copy));
    connect(pipeSizes_, &QAction::triggered, this, [this] { OpenPipeSizes(); });
    connect(saveSheet_, &QAction::triggered, this, [this] { SaveSizingSheet(); });
    connect(copyResults_, &QAction::triggered, this, [this] { CopyResults(); });

    for (QWidget* w : window.RowWidgets()) {
        if (qobject_cast<QLineEdit*>(w))
            w->installEventFilter(this);
        else
            // A list would swallow the menu key without a menu of its own;
            // this hands the request to the window.
            w->setContextMenuPolicy(Qt::NoContextMenu);
    }

    prompts_.askFields = AskSheetFields;
    prompts_.askFileName = AskSheetFileName;
    prompts_.today = [] { return QDate::currentDate(); };
    prompts_.offerToOpen = OfferToOpenSheet;
}

bool WindowActions::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu) {
        QMenu* menu = edit->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addActions({pipeSizes_, saveSheet_, copyResults_});
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    // An edit box takes Ctrl+C before any shortcut does, and copies
    // nothing without a selection; then the key copies the results.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !edit->hasSelectedText()) {
        CopyResults();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowActions::ShowMenu(const QPoint& globalPos) {
    if (!menu_) {
        menu_ = new QMenu(&window_);
        menu_->setObjectName(QStringLiteral("tarnvikWindowMenu"));
        menu_->addActions({pipeSizes_, saveSheet_});
        menu_->addSeparator();
        menu_->addAction(copyResults_);
    }
    menu_->popup(globalPos);
}

void WindowActions::OpenPipeSizes() {
    if (!pipeDialog_) pipeDialog_ = new PipeSizesDialog(&window_);
    const bool allowed = model_.IsEnabled(id::kDiameter);
    pipeDialog_->SetTypingAllowed(allowed, FromUtf8(sizing::WhyNoPipe(model_)));
    pipeDialog_->FilterBox()->setFocus(Qt::OtherFocusReason);
    pipeDialog_->FilterBox()->selectAll();
    if (pipeDialog_->exec() != QDialog::Accepted) return;
    if (const sizing::PipeSize* pipe = pipeDialog_->SelectedPipe()) TypePipe(*pipe);
}

bool WindowActions::TypePipe(const sizing::PipeSize& pipe) {
    auto* box = qobject_cast<QLineEdit*>(window_.ControlWidget(id::kDiameter));
    if (!box || !model_.IsEnabled(id::kDiameter)) return false;
    // Replacing the text as an edit (not setText) reaches the window
    // layer through the box's own user-input path, as a typed text does,
    // and leaves an undo step in the box.
    box->selectAll();
    box->insert(FromUtf8(pipe.innerText));
    return pipe_.Remember(model_, pipe);
}

std::string WindowActions::PipeName() const {
    return pipe_.Name(model_);
}

void WindowActions::AfterUserInput() {
    pipe_.ForgetIfStale(model_);
}

void WindowActions::CopyResults() {
    const std::string text =
        sizing::ResultsClipboardText(ReadCalculationContext(model_, PipeName()));
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

QString WindowActions::SuggestedSheetPath(QDate date) const {
    QString folder = folder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(DefaultSheetFileName(model_.SelectedItem(id::kSensorType), date));
}

void WindowActions::SaveSizingSheet() {
    const std::optional<SheetFields> fields = prompts_.askFields(&window_, fields_);
    if (!fields) return;
    fields_ = *fields;
    const QDate date = prompts_.today();
    const QString path = prompts_.askFileName(&window_, SuggestedSheetPath(date));
    if (path.isEmpty()) return;
    folder_ = QFileInfo(path).absolutePath();

    const WindowSheet made = MakeWindowSheet(model_, PipeName(), fields_, date);
    if (const QString error = WriteFileReplacing(path, sizing::SizingSheetHtml(made.sheet));
        !error.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Save sizing sheet"),
                        QStringLiteral("The sizing sheet could not be saved as\n") +
                            QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + error,
                        QMessageBox::Ok, &window_);
        box.setObjectName(QStringLiteral("tarnvikSheetError"));
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    QString chartNote;
    if (!made.chartError.empty())
        chartNote = QStringLiteral("The range chart is left out: ") + FromUtf8(made.chartError);
    prompts_.offerToOpen(&window_, path, chartNote);
}

}  // namespace tarnvik::qt
