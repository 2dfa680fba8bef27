// The Qt window through real widgets, offscreen: every check types, clicks,
// chooses or presses keys on the widgets and reads the widgets back, and
// compares with the window layer's model, which alone holds the behaviour.
#include "tarnvik_window.h"

#include <qdrawutil.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <set>

#include "control_widgets.h"
#include "core/control_ids.h"
#include "logo.h"
#include "platform/dialog.h"
#include "tarnvik_app.h"
#include "ui/tarnvik_dlg.h"
#include "window_fixture.h"

using tarnvik::CTarnvikDlg;
using tarnvik::platform::Control;
using tarnvik::platform::ControlKind;
using tarnvik::platform::DialogResult;
using tarnvik::platform::FontRole;
using tarnvik::qt::TarnvikWindow;
namespace id = tarnvik::id;
using namespace tarnvik::qt::testing;

namespace {

// Every widget shows exactly its model control's state.
void VerifyMirrors(Fixture& f) {
    const auto controls = f.dlg.Window().Controls();
    const auto& widgets = f.window.RowWidgets();
    QCOMPARE(widgets.size(), controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        QWidget* w = widgets[i];
        const QByteArray what = w->objectName().toUtf8();
        QVERIFY2(w->isEnabledTo(&f.window) == c.enabled, what);
        QVERIFY2(w->x() == c.x && w->y() == c.y, what);
        QVERIFY2(w->width() == tarnvik::qt::WidgetWidth(c), what);
        QVERIFY2(w->width() == c.width || c.kind == ControlKind::OutputBox, what);
        if (c.kind != ControlKind::Combo) QVERIFY2(w->height() == c.height, what);
        switch (c.kind) {
            case ControlKind::Label:
                QVERIFY2(static_cast<QLabel*>(w)->text() == Q(c.text), what);
                break;
            case ControlKind::GroupBox:
                QVERIFY2(static_cast<QGroupBox*>(w)->title() == Q(c.text), what);
                break;
            case ControlKind::InputBox:
            case ControlKind::OutputBox:
                QVERIFY2(static_cast<QLineEdit*>(w)->text() == Q(c.text), what);
                break;
            case ControlKind::Radio:
                QVERIFY2(static_cast<QRadioButton*>(w)->text() == Q(c.text), what);
                QVERIFY2(static_cast<QRadioButton*>(w)->isChecked() == c.checked, what);
                break;
            case ControlKind::Combo: {
                auto* combo = static_cast<QComboBox*>(w);
                QVERIFY2(combo->count() == static_cast<int>(c.items.size()), what);
                for (int k = 0; k < combo->count(); ++k)
                    QVERIFY2(combo->itemText(k) == Q(c.items[static_cast<std::size_t>(k)]), what);
                QVERIFY2(combo->currentIndex() == c.selection, what);
                break;
            }
            case ControlKind::Line:
                break;
        }
    }
}

bool Fits(const QFontMetrics& fm, const QString& text, int width) {
    return fm.horizontalAdvance(text) <= width;
}

// No caption, list entry or shown value is wider than its control.
void VerifyNothingClipped(Fixture& f) {
    for (QWidget* w : f.window.RowWidgets()) {
        const QByteArray what = w->objectName().toUtf8();
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QVERIFY2(Fits(fm, label->text(), label->width()), what + " " + label->text().toUtf8());
            QVERIFY2(label->text().isEmpty() || fm.height() <= label->height(), what);
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            // The text's room: the button less the indicator and its spacing.
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            const QRect contents =
                radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            QVERIFY2(contents.right() < radio->width() && Fits(fm, radio->text(), contents.width()),
                     what + " " + radio->text().toUtf8());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            // The title sits inside the frame, indented by the style.
            QVERIFY2(fm.horizontalAdvance(box->title()) + 16 <= box->width(), what);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int k = 0; k < combo->count(); ++k)
                QVERIFY2(Fits(fm, combo->itemText(k), field.width()),
                         what + " " + combo->itemText(k).toUtf8());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // QLineEdit's own margins: 2 px each side, plus the frame.
            const int frame = edit->hasFrame() ? 2 * 2 : 0;
            QVERIFY2(Fits(fm, edit->text(), edit->width() - 4 - frame),
                     what + " " + edit->text().toUtf8());
        }
    }
}

// The window without its logo, to see what lies under it.
class WindowWithoutLogo : public TarnvikWindow {
  public:
    using TarnvikWindow::TarnvikWindow;

  protected:
    void paintEvent(QPaintEvent*) override {}
};

}  // namespace

class TarnvikWindowTest : public QObject {
    Q_OBJECT

  public:
    explicit TarnvikWindowTest(tarnvik::qt::CTarnvikApp& app) : app_(app) {}

  private:
    tarnvik::qt::CTarnvikApp& app_;

  private Q_SLOTS:
    void windowShapeAndPlacement();
    void startUpState();
    void typingUpdatesResultsAndKeepsTheCaret();
    void commaInTheMiddleKeepsTheCaret();
    void caretAfterRewrite_data();
    void caretAfterRewrite();
    void radioClickChangesUnitsAndLabels();
    void flowTypeRadiosCanAllBeUnchecked();
    void sensorChangeChangesListsCaptionsAndLabel();
    void messageBoxAppearsAndIsAnswered();
    void enterEndsWithOk();
    void keypadEnterEndsWithOk();
    void enterInAnOpenListDoesNotEnd();
    void escapeEndsWithCancel();
    void closeBoxEndsWithCancel();
    void fontsOnExactlyTheResultControls();
    void dialogFontIsLiberationSans();
    void applicationFontIsLeftAsItWas();
    void resultFontsAreTheLargestWithATwentyPixelCell();
    void statusLineIsRed();
    void logoIsDrawnWithItsBackgroundTransparent();
    void etchedFrameIsQtsShadeRect();
    void noCaptionIsClipped();
    void tabOrderIsTheTemplates();
    void programExitsWithZero();
};

void TarnvikWindowTest::windowShapeAndPlacement() {
    Fixture f;
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Tarnvik Calculator V3.3"));
    QCOMPARE(f.window.size(), QSize(707, 564));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
    const Qt::WindowFlags flags = f.window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(f.window.RowWidgets().size(), std::size_t{74});
    QCOMPARE(f.window.ControlWidget(id::kDegreesLabel)->pos(), QPoint(144, 481));
    VerifyMirrors(f);

    const QList<QSize> sizes = f.window.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));

    // Input boxes have a border; output boxes none, except the profile factor.
    QVERIFY(f.Widget<QLineEdit>(id::kDiameter)->hasFrame());
    QVERIFY(!f.Widget<QLineEdit>(id::kDiameter)->isReadOnly());
    QVERIFY(f.Widget<QLineEdit>(id::kMaxFlow)->isReadOnly());
    QVERIFY(!f.Widget<QLineEdit>(id::kMaxFlow)->hasFrame());
    QVERIFY(f.Widget<QLineEdit>(id::kProfileFactor)->isReadOnly());
    QVERIFY(f.Widget<QLineEdit>(id::kProfileFactor)->hasFrame());
    QVERIFY(!f.Widget<QComboBox>(id::kGasType)->isEditable());
}

void TarnvikWindowTest::startUpState() {
    Fixture f;
    QCOMPARE(f.Widget<QComboBox>(id::kSensorType)->currentText(), QStringLiteral("QA10"));
    QComboBox* gas = f.Widget<QComboBox>(id::kGasType);
    QCOMPARE(gas->count(), 2);
    QCOMPARE(gas->itemText(0), QStringLiteral("Air"));
    QCOMPARE(gas->itemText(1), QStringLiteral("N2"));
    QCOMPARE(gas->currentIndex(), 0);
    QCOMPARE(f.Widget<QLineEdit>(id::kGasConstant)->text(), QStringLiteral("287.0"));
    QVERIFY(!f.Widget<QLineEdit>(id::kGasConstant)->isEnabled());
    QVERIFY(f.Widget<QRadioButton>(id::kUnitLmin)->isChecked());
    QVERIFY(f.Widget<QRadioButton>(id::kStandardReference)->isChecked());
    QVERIFY(!f.Widget<QLineEdit>(id::kMaxFlow)->text().isEmpty());
    QCOMPARE(f.window.focusWidget(), f.window.ControlWidget(id::kSensorType));
    VerifySameAsReference(f);
}

void TarnvikWindowTest::typingUpdatesResultsAndKeepsTheCaret() {
    Fixture f;
    ChooseSensor(f, kQA30);  // a type with a free pipe diameter
    QLineEdit* diameter = f.Widget<QLineEdit>(id::kDiameter);
    QVERIFY(diameter->isEnabled());
    const QString before = f.Widget<QLineEdit>(id::kMaxFlow)->text();

    Type(f, id::kDiameter, QStringLiteral("100"));
    QCOMPARE(diameter->text(), QStringLiteral("100"));
    QVERIFY(f.Widget<QLineEdit>(id::kMaxFlow)->text() != before);
    VerifyMirrors(f);
    VerifySameAsReference(f);

    // A key in the middle: the box keeps its caret, the results follow.
    diameter->setCursorPosition(1);
    QTest::keyClick(diameter, Qt::Key_5);
    QVERIFY(f.reference.Window().UserType(id::kDiameter, "1500"));
    QCOMPARE(diameter->text(), QStringLiteral("1500"));
    QCOMPARE(diameter->cursorPosition(), 2);
    VerifyMirrors(f);
    VerifySameAsReference(f);
}

void TarnvikWindowTest::commaInTheMiddleKeepsTheCaret() {
    // The diameter box turns every comma into a point as the user types;
    // the caret must stay where the user put it.
    Fixture f;
    ChooseSensor(f, kQA30);
    QLineEdit* diameter = f.Widget<QLineEdit>(id::kDiameter);
    Type(f, id::kDiameter, QStringLiteral("12,7"));
    QCOMPARE(diameter->text(), QStringLiteral("12.7"));
    QCOMPARE(diameter->cursorPosition(), 4);

    QTest::keyClick(diameter, Qt::Key_Home);
    QTest::keyClick(diameter, Qt::Key_Right);
    QTest::keyClick(diameter, ',');
    QCOMPARE(diameter->text(), QStringLiteral("1.2.7"));
    QCOMPARE(diameter->cursorPosition(), 2);
    QTest::keyClick(diameter, '9');
    QCOMPARE(diameter->text(), QStringLiteral("1.92.7"));
    QCOMPARE(diameter->cursorPosition(), 3);

    for (const char* text : {"1,2.7", "1.92.7"})
        QVERIFY(f.reference.Window().UserType(id::kDiameter, text));
    VerifyMirrors(f);
    VerifySameAsReference(f);

    // A box the user is not in gets its caret at the end, as before.
    ChooseSensor(f, kQA10);
    QCOMPARE(diameter->cursorPosition(), diameter->text().size());
}

void TarnvikWindowTest::caretAfterRewrite_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("expected");
    QTest::newRow("behind a replaced comma") << "1,2.7"
                                             << "1.2.7" << 2 << 2;
    QTest::newRow("in front of the change") << "12,5"
                                            << "12.5" << 1 << 1;
    QTest::newRow("at the end") << "12,"
                                << "12." << 3 << 3;
    QTest::newRow("behind text that grew") << "abc"
                                           << "abxc" << 3 << 4;
    QTest::newRow("behind text that shrank") << "a12b"
                                             << "ab" << 4 << 2;
    QTest::newRow("inside a replaced run") << "a123b"
                                           << "axb" << 2 << 2;
    QTest::newRow("text emptied") << "abc"
                                  << "" << 2 << 0;
    QTest::newRow("repeated letters") << "aaa"
                                      << "aaaa" << 1 << 1;
    QTest::newRow("caret past the end") << "ab"
                                        << "xb" << 9 << 2;
}

void TarnvikWindowTest::caretAfterRewrite() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, caret);
    QFETCH(int, expected);
    QCOMPARE(tarnvik::qt::CaretAfterRewrite(before, after, caret), expected);
}

void TarnvikWindowTest::radioClickChangesUnitsAndLabels() {
    Fixture f;
    const QString unitBefore = f.Widget<QLineEdit>(id::kMaxFlowUnit)->text();
    ClickRadio(f, id::kUnitM3h);
    QVERIFY(f.Widget<QRadioButton>(id::kUnitM3h)->isChecked());
    QVERIFY(!f.Widget<QRadioButton>(id::kUnitLmin)->isChecked());
    // The unit group only: the reference radio keeps its check.
    QVERIFY(f.Widget<QRadioButton>(id::kStandardReference)->isChecked());
    QCOMPARE(f.Widget<QLineEdit>(id::kMaxFlowUnit)->text(), QStringLiteral("sm3/h"));
    QVERIFY(f.Widget<QLineEdit>(id::kMaxFlowUnit)->text() != unitBefore);
    VerifyMirrors(f);
    VerifySameAsReference(f);

    // Clicking the checked radio again leaves it checked.
    ClickRadio(f, id::kUnitM3h);
    QVERIFY(f.Widget<QRadioButton>(id::kUnitM3h)->isChecked());

    // Norm reference conditions rename the units.
    ClickRadio(f, id::kNormReference);
    QCOMPARE(f.Widget<QLineEdit>(id::kMaxFlowUnit)->text(), QStringLiteral("Nm3/h"));
    QVERIFY(!f.Widget<QRadioButton>(id::kStandardReference)->isChecked());
    VerifyMirrors(f);
    VerifySameAsReference(f);
}

void TarnvikWindowTest::flowTypeRadiosCanAllBeUnchecked() {
    Fixture f;
    for (int radio :
         {id::kFlowTypeFlow, id::kFlowTypeActual, id::kFlowTypeDryAir, id::kFlowTypeFad}) {
        QVERIFY(!f.Widget<QRadioButton>(radio)->autoExclusive());
        QVERIFY(!f.Widget<QRadioButton>(radio)->isChecked());  // QA10: none
    }
    ChooseSensor(f, kQA70);
    QVERIFY(f.Widget<QRadioButton>(id::kFlowTypeFlow)->isChecked());
    ClickRadio(f, id::kFlowTypeActual);
    QVERIFY(f.Widget<QRadioButton>(id::kFlowTypeActual)->isChecked());
    QVERIFY(!f.Widget<QRadioButton>(id::kFlowTypeFlow)->isChecked());
    VerifyMirrors(f);
    VerifySameAsReference(f);
}

void TarnvikWindowTest::sensorChangeChangesListsCaptionsAndLabel() {
    Fixture f;
    ChooseSensor(f, kQA20V);
    QComboBox* section = f.Widget<QComboBox>(id::kSection);
    QCOMPARE(section->count(), 4);
    QCOMPARE(section->itemText(0), QStringLiteral("DN8"));
    QCOMPARE(section->itemText(3), QStringLiteral("DN25"));
    QCOMPARE(section->currentIndex(), 0);
    QCOMPARE(f.Widget<QComboBox>(id::kRange)->count(), 0);
    QVERIFY(!f.Widget<QComboBox>(id::kRange)->isEnabled());
    QCOMPARE(f.Widget<QLineEdit>(id::kDiameter)->text(), QStringLiteral("15.0"));
    QVERIFY(!f.Widget<QLineEdit>(id::kDiameter)->isEnabled());
    for (int radio : {id::kStandardReference, id::kNormReference, id::kCustomReference})
        QVERIFY(!f.Widget<QRadioButton>(radio)->isEnabled());
    QCOMPARE(f.Widget<QComboBox>(id::kGasType)->count(), 1);
    QVERIFY(f.Widget<QRadioButton>(id::kUnitLmin)->isChecked());
    QCOMPARE(f.Widget<QLabel>(id::kReferenceTemperatureLabel)->text(),
             QStringLiteral("Actual temperature"));
    QCOMPARE(f.Widget<QLabel>(id::kReferencePressureLabel)->text(),
             QStringLiteral("Actual pressure (mbar(a))"));
    QCOMPARE(f.window.ControlWidget(id::kDegreesLabel)->pos(), QPoint(124, 481));
    VerifyMirrors(f);
    VerifySameAsReference(f);

    ChooseSensor(f, kQA10);
    QCOMPARE(f.Widget<QLabel>(id::kReferenceTemperatureLabel)->text(),
             QStringLiteral("Reference temperature"));
    QCOMPARE(f.Widget<QLabel>(id::kReferencePressureLabel)->text(),
             QStringLiteral("Reference pressure (hPa)"));
    QCOMPARE(f.window.ControlWidget(id::kDegreesLabel)->pos(), QPoint(144, 481));
    QVERIFY(f.Widget<QRadioButton>(id::kStandardReference)->isEnabled());
    QCOMPARE(f.Widget<QComboBox>(id::kGasType)->count(), 2);
    VerifyMirrors(f);
    VerifySameAsReference(f);
}

void TarnvikWindowTest::messageBoxAppearsAndIsAnswered() {
    Fixture f;
    ChooseSensor(f, kQA70);  // the process boxes are enabled
    QVERIFY(f.Widget<QLineEdit>(id::kProcessPressure)->isEnabled());

    struct Seen {
        int count = 0;
        QString text, caption;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
    };
    auto seen = std::make_shared<Seen>();
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        ++seen->count;
        seen->text = box->text();
        seen->caption = box->windowTitle();
        seen->buttons = static_cast<int>(box->buttons().size());
        seen->icon = box->icon();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    answer.start();

    Type(f, id::kProcessPressure, QStringLiteral("-2"));
    answer.stop();

    QCOMPARE(seen->count, 1);
    QCOMPARE(seen->text, QStringLiteral("Pressure is not correct!"));
    QCOMPARE(seen->caption, QStringLiteral("tarnvik"));
    QCOMPARE(seen->buttons, 1);
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.Widget<QLineEdit>(id::kProcessPressure)->text(), QStringLiteral("-2"));
    VerifyMirrors(f);
    VerifySameAsReference(f);
}

void TarnvikWindowTest::enterEndsWithOk() {
    Fixture f;
    QLineEdit* box = f.Widget<QLineEdit>(id::kInletTemperature);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(f.dlg.Window().Ended());
    QCOMPARE(f.dlg.Window().Result(), DialogResult::Ok);
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.window.result(), int(QDialog::Accepted));
    // OK loaded the bound texts.
    QCOMPARE(Q(f.dlg.State().processPressureText),
             f.Widget<QLineEdit>(id::kProcessPressure)->text());
}

void TarnvikWindowTest::keypadEnterEndsWithOk() {
    Fixture f;
    QTest::keyClick(f.window.ControlWidget(id::kSensorType), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(f.dlg.Window().Result(), DialogResult::Ok);
    QVERIFY(!f.window.isVisible());
}

void TarnvikWindowTest::enterInAnOpenListDoesNotEnd() {
    Fixture f;
    QComboBox* combo = f.Widget<QComboBox>(id::kGasType);
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QVERIFY(!f.dlg.Window().Ended());
    QVERIFY(f.window.isVisible());
}

void TarnvikWindowTest::escapeEndsWithCancel() {
    Fixture f;
    QTest::keyClick(f.window.ControlWidget(id::kSensorType), Qt::Key_Escape);
    QCOMPARE(f.dlg.Window().Result(), DialogResult::Cancel);
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.window.result(), int(QDialog::Rejected));
}

void TarnvikWindowTest::closeBoxEndsWithCancel() {
    Fixture f;
    QVERIFY(f.window.close());
    QCOMPARE(f.dlg.Window().Result(), DialogResult::Cancel);
    QVERIFY(!f.window.isVisible());
}

void TarnvikWindowTest::fontsOnExactlyTheResultControls() {
    Fixture f;
    const std::set<int> result = {id::kMaxFlowLabel,     id::kMinFlowLabel,
                                  id::kMaxVelocityLabel, id::kMaxVelocity,
                                  id::kVelocityUnit,     id::kCutoffVelocityLabel,
                                  id::kCutoffVelocity,   id::kCutoffVelocityUnit};
    const std::set<int> bold = {id::kMaxFlow, id::kMaxFlowUnit, id::kMinFlow, id::kMinFlowUnit};
    const auto controls = f.dlg.Window().Controls();
    const auto& widgets = f.window.RowWidgets();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const int control = controls[i].id;
        const QByteArray what = widgets[i]->objectName().toUtf8();
        const QFont font = widgets[i]->font();
        const QFontMetrics fm(font);
        if (result.count(control)) {
            QVERIFY2(controls[i].font == FontRole::Result, what);
            QVERIFY2(fm.height() == 20, what);  // a 20 px character cell
            QVERIFY2(font.weight() == QFont::Normal, what);
        } else if (bold.count(control)) {
            QVERIFY2(controls[i].font == FontRole::ResultBold, what);
            QVERIFY2(fm.height() == 20, what);
            QVERIFY2(font.weight() == 700, what);
        } else {
            QVERIFY2(controls[i].font == FontRole::Dialog, what);
            QVERIFY2(font == f.window.Fonts().dialog, what);
        }
    }
    QVERIFY(QFontInfo(f.window.Fonts().resultBold).bold());
}

void TarnvikWindowTest::dialogFontIsLiberationSans() {
    Fixture f;
    const QFontInfo info(f.window.Fonts().dialog);
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(info.pixelSize(), 10);
    QCOMPARE(QFontInfo(f.window.Fonts().result).family(), QStringLiteral("Liberation Sans"));
}

void TarnvikWindowTest::applicationFontIsLeftAsItWas() {
    // The window borrows the application font while it makes its widgets;
    // message boxes and dialogs keep the desktop's.
    const QFont before = QApplication::font();
    Fixture f;
    QCOMPARE(QApplication::font(), before);
    QVERIFY(before != f.window.Fonts().dialog);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("text"),
                    QMessageBox::Ok, &f.window);
    QCOMPARE(box.font(), before);
}

void TarnvikWindowTest::resultFontsAreTheLargestWithATwentyPixelCell() {
    // The sizes are found on copies of loaded engines; the fonts the
    // widgets get must measure exactly as a fresh QFontMetrics does.
    const tarnvik::qt::WindowFonts fonts = tarnvik::qt::MakeWindowFonts();
    for (const QFont* font : {&fonts.result, &fonts.resultBold}) {
        const QByteArray what = QByteArray::number(font->weight());
        QVERIFY2(QFontMetrics(*font).height() <= 20, what);
        QFont larger(font->family());
        larger.setWeight(font->weight());
        larger.setPixelSize(font->pixelSize() + 1);
        QVERIFY2(QFontMetrics(larger).height() > 20, what);
    }
    QCOMPARE(fonts.result.weight(), QFont::Normal);
    QCOMPARE(fonts.resultBold.weight(), 700);
}

void TarnvikWindowTest::statusLineIsRed() {
    Fixture f;
    QLabel* status = f.Widget<QLabel>(id::kStatusLine);
    QCOMPARE(status->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(status->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(f.Widget<QLabel>(id::kMaxFlowLabel)->palette().color(QPalette::WindowText),
             f.window.palette().color(QPalette::WindowText));
}

void TarnvikWindowTest::logoIsDrawnWithItsBackgroundTransparent() {
    const QImage bitmap = tarnvik::qt::LoadLogoBitmap();
    QCOMPARE(bitmap.size(), QSize(139, 45));
    QCOMPARE(bitmap.depth() == 32 || bitmap.depth() == 24, true);
    const QRgb key = bitmap.pixel(tarnvik::qt::kTransparentKeyPixel);
    QCOMPARE(qRed(key), 255);
    QCOMPARE(qGreen(key), 255);
    QCOMPARE(qBlue(key), 254);

    Fixture f;
    CTarnvikDlg bare{"tarnvik"};
    WindowWithoutLogo without(bare);
    without.InitDialog();
    without.show();
    QVERIFY(QTest::qWaitForWindowExposed(&without));

    const QImage with = f.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage under = without.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb face = f.window.palette().color(QPalette::Window).rgb();
    QVERIFY(face != key && face != qRgb(255, 255, 255));

    const QPoint at = tarnvik::qt::LogoPosition(f.window.frameGeometry().size(), bitmap.size());
    int keyChecked = 0, whiteChecked = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (!with.rect().contains(p)) continue;
            // Where a control draws over the logo, the logo is not visible.
            if (under.pixel(p) != face) continue;
            const QRgb logo = bitmap.pixel(x, y) | 0xff000000u;
            if (logo == (key | 0xff000000u)) {
                QVERIFY2(with.pixel(p) == face, "background colour drawn");
                ++keyChecked;
            } else if (logo == qRgb(255, 255, 255)) {
                QVERIFY2(with.pixel(p) == qRgb(255, 255, 255), "white pixel left out");
                ++whiteChecked;
            } else {
                QVERIFY2(with.pixel(p) == logo, "logo pixel not drawn as is");
            }
        }
    }
    int whiteInBitmap = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            whiteInBitmap += (bitmap.pixel(x, y) | 0xff000000u) == qRgb(255, 255, 255);
    QVERIFY(whiteInBitmap >= 20);  // the logo has pure white pixels to test
    QVERIFY2(keyChecked > 1000, QByteArray::number(keyChecked));
    QVERIFY2(whiteChecked * 2 >= whiteInBitmap, QByteArray::number(whiteChecked));
}

void TarnvikWindowTest::etchedFrameIsQtsShadeRect() {
    // The group frames fill the pixels qDrawShadeRect would draw; every
    // size, including the degenerate ones, must come out the same.
    QPalette palette;
    palette.setColor(QPalette::Dark, QColor(10, 20, 30));
    palette.setColor(QPalette::Light, QColor(240, 230, 220));
    std::vector<QRect> frames = {QRect(0, 0, 40, 30), QRect(3, 5, 44, 33)};
    for (int w = 1; w <= 12; ++w)
        for (int h = 1; h <= 12; ++h) frames.emplace_back(2, 3, w, h);
    for (const QRect& r : frames) {
        QImage expected(48, 40, QImage::Format_RGB32), actual(48, 40, QImage::Format_RGB32);
        expected.fill(Qt::gray);
        actual.fill(Qt::gray);
        {
            QPainter p(&expected);
            qDrawShadeRect(&p, r, palette, /*sunken=*/true, 1, 0);
        }
        {
            QPainter p(&actual);
            tarnvik::qt::DrawEtchedFrame(p, r, palette);
        }
        QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                    .arg(r.x())
                                                    .arg(r.y())
                                                    .arg(r.width())
                                                    .arg(r.height())));
    }
}

void TarnvikWindowTest::noCaptionIsClipped() {
    Fixture f;
    VerifyNothingClipped(f);
    ChooseSensor(f, kQA20V);  // other captions
    VerifyNothingClipped(f);
    ChooseSensor(f, kQA70);  // every gas, every unit enabled
    VerifyNothingClipped(f);
    for (int radio : {id::kUnitM3h, id::kUnitM3min, id::kUnitLmin, id::kUnitLs, id::kUnitCfm,
                      id::kUnitKgh, id::kUnitKgmin, id::kUnitKgs, id::kUnitLbh, id::kUnitTh}) {
        ClickRadio(f, radio);
        VerifyNothingClipped(f);
        ClickRadio(f, id::kNormReference);
        VerifyNothingClipped(f);
        ClickRadio(f, id::kStandardReference);
    }
    VerifyMirrors(f);
    VerifySameAsReference(f);
}

void TarnvikWindowTest::tabOrderIsTheTemplates() {
    Fixture f;
    std::vector<QWidget*> expected;
    const auto controls = f.dlg.Window().Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].row->tab) expected.push_back(f.window.RowWidgets()[i]);
    QCOMPARE(expected.size(), std::size_t{24});

    std::vector<QWidget*> chain;
    QWidget* w = expected.front();
    do {
        if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != expected.front() && chain.size() < 200);
    QCOMPARE(chain.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(chain[i] == expected[i], chain[i]->objectName().toUtf8());
}

void TarnvikWindowTest::programExitsWithZero() {
    // The program's own run (CTarnvikApp::Run): Escape once the window is up.
    QTimer escape;
    escape.setInterval(10);
    QObject::connect(&escape, &QTimer::timeout, [&escape] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            escape.stop();
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    escape.start();
    QCOMPARE(app_.Run(), 0);
    QVERIFY(!escape.isActive());
}

int main(int argc, char** argv) {
    // The application object the program uses (Fusion style, desktop name).
    tarnvik::qt::CTarnvikApp app(argc, argv);
    TarnvikWindowTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tarnvik_window_test.moc"
