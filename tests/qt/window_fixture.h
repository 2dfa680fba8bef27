// A started calculator window on screen for the offscreen tests, beside
// the same behaviour without a view, and the user actions on both.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <string>

#include "core/control_ids.h"
#include "tarnvik_window.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::qt::testing {

using tarnvik::CTarnvikDlg;
namespace id = tarnvik::id;

inline constexpr int kQA10 = 0, kQA30 = 2, kQA70 = 6, kQA20V = 8;

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A started window on screen, and the same behaviour without a view to
// compare with: both get the same user actions.
struct Fixture {
    CTarnvikDlg dlg{"tarnvik"};
    TarnvikWindow window{dlg};
    CTarnvikDlg reference{"tarnvik"};

    Fixture() {
        window.InitDialog();
        reference.OnInitDialog();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not exposed");
    }

    template <class T>
    T* Widget(int control) {
        T* w = qobject_cast<T*>(window.ControlWidget(control));
        if (!w) qFatal("no widget of the expected kind for control %d", control);
        return w;
    }
};

// Opens the combo's list and clicks the entry, as a user does.
inline void Choose(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    // The part of the entry in sight: a long entry is wider than the list.
    const QRect entry = view->visualRect(item) & view->viewport()->rect();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    QTRY_VERIFY(!view->isVisible());
}

inline void ChooseSensor(Fixture& f, int index) {
    Choose(f.Widget<QComboBox>(id::kSensorType), index);
    QVERIFY(f.reference.Window().UserChoose(id::kSensorType, index));
}

// Replaces the box's text key by key, as a user does; the reference gets
// the same texts one key at a time.
inline void Type(Fixture& f, int control, const QString& text) {
    QLineEdit* edit = f.Widget<QLineEdit>(control);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    for (qsizetype n = 1; n <= text.size(); ++n)
        QVERIFY(f.reference.Window().UserType(control, text.left(n).toStdString()));
}

inline void ClickRadio(Fixture& f, int control) {
    QRadioButton* radio = f.Widget<QRadioButton>(control);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(7, radio->height() / 2));
    QVERIFY(f.reference.Window().UserClick(control));
}

// The viewed model and the reference model agree on every control.
inline void VerifySameAsReference(Fixture& f) {
    const auto a = f.dlg.Window().Controls();
    const auto b = f.reference.Window().Controls();
    for (std::size_t i = 0; i < a.size(); ++i) {
        const QByteArray what = QByteArray::number(a[i].id);
        QVERIFY2(a[i].text == b[i].text, what);
        QVERIFY2(a[i].enabled == b[i].enabled, what);
        QVERIFY2(a[i].checked == b[i].checked, what);
        QVERIFY2(a[i].items == b[i].items, what);
        QVERIFY2(a[i].selection == b[i].selection, what);
        QVERIFY2(a[i].x == b[i].x && a[i].y == b[i].y, what);
    }
}

}  // namespace tarnvik::qt::testing
