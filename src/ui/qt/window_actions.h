// What the calculator window offers beyond its own controls, from a
// context menu and from the keyboard, without touching the controls:
//  - "Pipe sizes…" (Ctrl+D): the pipe sizes dialog; a chosen pipe's inner
//    diameter is typed into the diameter box as the user would type it;
//  - "Save sizing sheet…" (Ctrl+S): the calculation as a printable page;
//  - "Copy results" (Ctrl+C where no text is selected): the inputs and
//    results as tab-separated lines for a spreadsheet.
// The menu opens on the window's face and on every control without a menu
// of its own; the edit boxes keep their Cut/Copy/Paste menu with these
// entries added below. The menu and the dialogs are made on first use.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "sizing/pipe_standards.h"
#include "sizing/window_pipe.h"
#include "sizing_sheet_file.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tarnvik::platform {
class Dialog;
}

namespace tarnvik::qt {

class TarnvikWindow;
class PipeSizesDialog;

// The questions saving a sheet asks; tests answer them without dialogs.
struct SheetPrompts {
    // The fields to print, starting from the last ones; nullopt cancels.
    std::function<std::optional<SheetFields>(QWidget* parent, const SheetFields& given)> askFields;
    // The file to write, offered as suggested; empty cancels.
    std::function<QString(QWidget* parent, const QString& suggested)> askFileName;
    std::function<QDate()> today;
    // After the sheet is written: offers to open it in the browser.
    // chartNote says why the range chart is missing, if it is.
    std::function<void(QWidget* parent, const QString& path, const QString& chartNote)> offerToOpen;
};

class WindowActions : public QObject {
  public:
    // Adds the actions and their shortcuts to window, and watches its
    // edit boxes for their context menu and Ctrl+C. model is window's.
    WindowActions(TarnvikWindow& window, platform::Dialog& model);

    // The window's context menu at globalPos.
    void ShowMenu(const QPoint& globalPos);

    void OpenPipeSizes();
    // Types pipe's inner diameter into the diameter box as a user does,
    // and remembers the pipe for the sheet and the copied results. False
    // (and nothing typed) while the box is disabled.
    bool TypePipe(const sizing::PipeSize& pipe);
    void SaveSizingSheet();
    void CopyResults();

    // The pipe whose inner diameter the diameter box shows; empty once the
    // user or the window changed the box (or it was never set).
    std::string PipeName() const;

    // After every user event: forgets the pipe once the box changed.
    void AfterUserInput();

    SheetPrompts& Prompts() { return prompts_; }
    QAction* PipeSizesAction() const { return pipeSizes_; }
    QAction* SaveSheetAction() const { return saveSheet_; }
    QAction* CopyResultsAction() const { return copyResults_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString SuggestedSheetPath(QDate date) const;

    TarnvikWindow& window_;
    platform::Dialog& model_;
    QAction* pipeSizes_;
    QAction* saveSheet_;
    QAction* copyResults_;
    QMenu* menu_ = nullptr;                  // made on first use
    PipeSizesDialog* pipeDialog_ = nullptr;  // made on first use
    sizing::WindowPipe pipe_;
    SheetFields fields_;  // the last sheet's, offered again
    QString folder_;      // where the last sheet went
    SheetPrompts prompts_;
};

}  // namespace tarnvik::qt
