#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>

#include "control_widgets.h"

namespace tarnvik::qt {

namespace {

// The group box drawn around widget: the smallest sibling frame whose
// rectangle holds the widget's.
QGroupBox* SurroundingGroupBox(const QWidget& widget) {
    QGroupBox* best = nullptr;
    const QWidget* parent = widget.parentWidget();
    if (!parent) return nullptr;
    for (QObject* child : parent->children()) {
        auto* box = qobject_cast<QGroupBox*>(child);
        if (!box || !box->geometry().contains(widget.geometry())) continue;
        const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
        if (!best || area(box->geometry()) < area(best->geometry())) best = box;
    }
    return best;
}

class RadioAccessible : public QAccessibleWidget {
  public:
    explicit RadioAccessible(ModelRadio* radio)
        : QAccessibleWidget(radio, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = Radio().text();
        return s;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Radio().isChecked();
        s.pressed = Radio().isDown();
        return s;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto rels = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label) {
            if (QGroupBox* group = SurroundingGroupBox(Radio()))
                if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(group))
                    rels.append({iface, QAccessible::Label});
        }
        return rels;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (Radio().isEnabled()) names << toggleAction() << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!Radio().isEnabled()) return;
        // A click, as by the mouse: the model decides what it checks.
        if (action == toggleAction() || action == pressAction())
            Radio().click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    ModelRadio& Radio() const { return *static_cast<ModelRadio*>(widget()); }
};

class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ListAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Combo().currentText();
        return QAccessibleWidget::text(t);  // Name: the accessible name
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.readOnly = true;
        return s;
    }

    // The dropped list, as for Qt's own combo boxes.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == Combo().view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (Combo().isEnabled()) names << showMenuAction() << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (!Combo().isEnabled()) return;
            if (Combo().view()->isVisible())
                Combo().hidePopup();
            else
                Combo().showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    // The current entry as read-only text, where screen readers look for
    // what a combo box shows.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = Combo().currentText();
        if (start < 0 || end < start || start > all.size()) return {};
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Combo().currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QComboBox& Combo() const { return *static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    // Called for each class of the object's hierarchy, most derived first.
    if (className == QLatin1String("QRadioButton")) {
        if (auto* radio = dynamic_cast<ModelRadio*>(object)) return new RadioAccessible(radio);
    } else if (className == QLatin1String("QComboBox")) {
        if (auto* combo = qobject_cast<QComboBox*>(object)) return new ListAccessible(combo);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(Factory);  // Qt keeps one copy however often it is given
}

}  // namespace tarnvik::qt
