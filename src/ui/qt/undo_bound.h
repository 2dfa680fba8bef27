// Keeps the undo history of an input box bounded. QLineEdit records one
// undo step (16 bytes) for every character an edit removes or inserts and
// never forgets one, so pasting 30,000 characters over a box 150 times
// would hold 140 MB. The window's memory must not grow with the number of
// edits.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace tarnvik::qt {

// Lives as a child of its box, for as long as the box.
class UndoBound : public QObject {
  public:
    // At most about this many steps per box (256 kB) besides the last edit
    // (which QLineEdit's length limit keeps below 65,536 steps, 1 MB).
    static constexpr qsizetype kMaxSteps = 16384;

    // Attaches a bound to edit (once).
    static UndoBound& Attach(QLineEdit& edit);
    // The bound attached to edit, or nullptr.
    static UndoBound* Of(const QLineEdit& edit);

    // After a user edit changed the box's text from before to what it shows
    // now. Counts the steps the edit recorded (a replaced selection, removed
    // and inserted characters); past kMaxSteps the history is rebuilt to
    // hold this one edit, so it can still be undone, and the ones before it
    // are forgotten. Typed edits of normal length keep their whole history;
    // an undo or redo adds nothing and keeps the steps to redo.
    void AfterUserEdit(const QString& before);

    // The steps counted since the history was last rebuilt.
    qsizetype CountedSteps() const { return steps_; }

  private:
    explicit UndoBound(QLineEdit& edit);

    QLineEdit& edit_;
    qsizetype steps_ = 0;
    qsizetype selection_ = 0;  // the selection's length before the edit
};

}  // namespace tarnvik::qt
