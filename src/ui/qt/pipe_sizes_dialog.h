// "Pipe sizes": the standards' pipes with their dimensions, a filter box
// that takes a pipe's name as users write it, and the choice of one pipe
// whose inner diameter the window then types into its diameter box.
#pragma once

#include <QDialog>

#include "sizing/pipe_standards.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tarnvik::qt {

class PipeSizesDialog : public QDialog {
  public:
    explicit PipeSizesDialog(QWidget* parent);

    // Before each showing: whether the diameter box takes a diameter now,
    // and if not, why not (shown in the dialog; the choice is disabled,
    // the list can still be read).
    void SetTypingAllowed(bool allowed, const QString& whyNot);

    // The selected pipe; null when none is selected.
    const sizing::PipeSize* SelectedPipe() const;

    QLineEdit* FilterBox() const { return filter_; }
    QTreeWidget* List() const { return list_; }
    QPushButton* UseButton() const { return use_; }
    QLabel* Status() const { return status_; }
    QLabel* Refusal() const { return refusal_; }

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ApplyFilter();
    void UpdateUseButton();

    QLineEdit* filter_;
    QTreeWidget* list_;
    QLabel* status_;
    QLabel* refusal_;
    QPushButton* use_;
    bool allowed_ = true;
};

}  // namespace tarnvik::qt
