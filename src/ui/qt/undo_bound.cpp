#include "undo_bound.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace tarnvik::qt {

UndoBound& UndoBound::Attach(QLineEdit& edit) {
    if (UndoBound* bound = Of(edit)) return *bound;
    return *new UndoBound(edit);  // owned by edit
}

UndoBound* UndoBound::Of(const QLineEdit& edit) {
    // Not findChild: that needs the class to carry its own meta-object.
    for (QObject* child : edit.children())
        if (auto* bound = dynamic_cast<UndoBound*>(child)) return bound;
    return nullptr;
}

UndoBound::UndoBound(QLineEdit& edit) : QObject(&edit), edit_(edit) {
    // QLineEdit reports a selection change after the edit that removed the
    // selection, so this still holds the length the edit replaced.
    connect(&edit, &QLineEdit::selectionChanged, this,
            [this] { selection_ = edit_.selectionLength(); });
}

void UndoBound::AfterUserEdit(const QString& before) {
    // Undo and redo move through the history without adding to it; with
    // steps left to redo the edit was one of them (any other edit cuts the
    // redo steps off), and a rebuild now would lose them.
    if (edit_.isRedoAvailable()) return;
    const QString after = edit_.text();

    // The part that changed, between what both texts share at either end.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0, tail = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    // QLineEdit records every character of a replaced selection, even
    // those the new text repeats (a paste over the same text).
    const qsizetype removed =
        std::min(before.size(), std::max(before.size() - head - tail, selection_));
    const qsizetype inserted = after.size() - before.size() + removed;
    steps_ += removed + inserted + 2;
    if (steps_ <= kMaxSteps) return;

    // The same edit again on a fresh history: the text as it was, then the
    // changed part replaced. The user's caret and selection are restored.
    const int caret = edit_.cursorPosition();
    const int selectionStart = edit_.selectionStart();
    const int selectionLength = edit_.selectionLength();
    const QSignalBlocker blocker(&edit_);  // nothing of this is the user's edit
    edit_.setText(before);                 // clears the history
    const qsizetype changed = before.size() - head - tail;
    if (changed > 0 || after.size() > before.size() - changed) {
        edit_.setSelection(static_cast<int>(head), static_cast<int>(changed));
        edit_.insert(after.mid(head, after.size() - head - tail));
    }
    if (edit_.text() != after) edit_.setText(after);  // cut by a maximum length: no undo then
    if (selectionStart >= 0)
        edit_.setSelection(selectionStart, selectionLength);
    else
        edit_.setCursorPosition(caret);
    selection_ = edit_.selectionLength();
    // The one edit kept is allowed besides the bound: counting it would
    // rebuild again at the next key and forget it.
    steps_ = 0;
}

}  // namespace tarnvik::qt
