// What a screen reader learns from the window, through Qt's accessibility
// interfaces (the same ones Qt's AT-SPI bridge serves on Linux).
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "platform/dialog.h"
#include "tarnvik_app.h"
#include "ui/accessible_text.h"
#include "window_fixture.h"

using tarnvik::platform::ControlKind;
using namespace tarnvik::qt::testing;

namespace {

QAccessibleInterface* Interface(Fixture& f, int control) {
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(f.window.ControlWidget(control));
    if (!iface) qFatal("no accessible interface for control %d", control);
    return iface;
}

// The names of the interfaces that label iface.
QStringList LabelNames(QAccessibleInterface* iface) {
    QStringList names;
    for (const auto& [other, relation] : iface->relations(QAccessible::Label))
        names << other->text(QAccessible::Name);
    return names;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void controlsAreNamedByTheirLabels_data();
    void controlsAreNamedByTheirLabels();
    void everyBoxListAndRadioIsNamedAsTheLibrarySays();
    void radiosAreRadioButtonsInTheirGroup();
    void listsShowTheirEntryAsValueNotAsName();
    void namesAndDescriptionsFollowTheModel();
};

void AccessibilityTest::controlsAreNamedByTheirLabels_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const int edit = QAccessible::EditableText, list = QAccessible::ComboBox;
    QTest::newRow("process pressure") << id::kProcessPressure << edit << "Process pressure (bar(g))"
                                      << "";
    QTest::newRow("max. flow") << id::kMaxFlow << edit << "Max. flow"
                               << "sl/min";
    QTest::newRow("max. flow unit") << id::kMaxFlowUnit << edit << "Max. flow unit"
                                    << "";
    QTest::newRow("max. velocity") << id::kMaxVelocity << edit << "Max. velocity"
                                   << "sm/s";
    QTest::newRow("cut-off velocity") << id::kCutoffVelocity << edit << "Cut-off velocity"
                                      << "m/s";
    QTest::newRow("pipe diameter") << id::kDiameter << edit << "Pipe inner diameter (mm)"
                                   << "";
    QTest::newRow("reference temperature")
        << id::kReferenceTemperature << edit << "Reference temperature (°C)"
        << "";
    QTest::newRow("inlet humidity") << id::kInletHumidity << edit << "Inlet humidity (%)"
                                    << "";
    QTest::newRow("sensor type") << id::kSensorType << list << "Sensor type"
                                 << "";
    QTest::newRow("gas type") << id::kGasType << list << "Gas type"
                              << "";
    QTest::newRow("cut-off list") << id::kCutoffList << list << "Cut-off velocity (sm/s)"
                                  << "";
    QTest::newRow("unit radio") << id::kUnitKgh << int(QAccessible::RadioButton) << "kg/h"
                                << "";
}

void AccessibilityTest::controlsAreNamedByTheirLabels() {
    QFETCH(int, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    Fixture f;
    QAccessibleInterface* iface = Interface(f, control);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
}

void AccessibilityTest::everyBoxListAndRadioIsNamedAsTheLibrarySays() {
    Fixture f;
    const auto controls = f.dlg.Window().Controls();
    int named = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlKind kind = controls[i].kind;
        if (kind != ControlKind::InputBox && kind != ControlKind::OutputBox &&
            kind != ControlKind::Combo && kind != ControlKind::Radio)
            continue;
        const tarnvik::AccessibleText expected = tarnvik::DescribeControl(f.dlg.Window(), i);
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(f.window.RowWidgets()[i]);
        const QByteArray what = QByteArray::number(controls[i].id);
        QVERIFY2(iface, what);
        QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), what);
        QVERIFY2(iface->text(QAccessible::Name) == Q(expected.name), what);
        QVERIFY2(iface->text(QAccessible::Description) == Q(expected.description), what);
        ++named;
    }
    QVERIFY(named > 0);
}

void AccessibilityTest::radiosAreRadioButtonsInTheirGroup() {
    Fixture f;
    const auto controls = f.dlg.Window().Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::Radio) continue;
        const QByteArray what = QByteArray::number(controls[i].id);
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(f.window.RowWidgets()[i]);
        QVERIFY2(iface->role() == QAccessible::RadioButton, what);
        const QAccessible::State state = iface->state();
        QVERIFY2(state.checkable, what);
        QVERIFY2(bool(state.checked) == controls[i].checked, what);
        const QString group = Q(tarnvik::DescribeControl(f.dlg.Window(), i).group);
        QVERIFY2(!group.isEmpty(), what);
        QVERIFY2(LabelNames(iface).contains(group),
                 what + " " + LabelNames(iface).join('|').toUtf8());
    }

    // A screen reader's "toggle" is a click: the model checks the radio.
    QAccessibleInterface* cfm = Interface(f, id::kUnitCfm);
    QVERIFY(cfm->actionInterface());
    QVERIFY(
        cfm->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    cfm->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(f.dlg.Window().GetCheck(id::kUnitCfm));
    QVERIFY(cfm->state().checked);
    QVERIFY(!Interface(f, id::kUnitLmin)->state().checked);
    QCOMPARE(Interface(f, id::kMaxFlow)->text(QAccessible::Description), QStringLiteral("scfm"));
}

void AccessibilityTest::listsShowTheirEntryAsValueNotAsName() {
    Fixture f;
    QAccessibleInterface* sensor = Interface(f, id::kSensorType);
    QCOMPARE(sensor->text(QAccessible::Name), QStringLiteral("Sensor type"));
    QCOMPARE(sensor->text(QAccessible::Value), QStringLiteral("QA10"));
    QAccessibleTextInterface* text = sensor->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("QA10"));

    // Its child is the dropped list with every entry.
    QCOMPARE(sensor->childCount(), 1);
    QAccessibleInterface* list = sensor->child(0);
    QVERIFY(list);
    QCOMPARE(sensor->indexOfChild(list), 0);
    QCOMPARE(list->parent(), sensor);

    ChooseSensor(f, kQA70);
    QCOMPARE(sensor->text(QAccessible::Value), QStringLiteral("QA70"));
    QCOMPARE(sensor->text(QAccessible::Name), QStringLiteral("Sensor type"));
}

void AccessibilityTest::namesAndDescriptionsFollowTheModel() {
    Fixture f;
    ChooseSensor(f, kQA20V);  // renames the two reference captions
    QCOMPARE(Interface(f, id::kReferenceTemperature)->text(QAccessible::Name),
             QStringLiteral("Actual temperature (°C)"));
    QCOMPARE(Interface(f, id::kReferencePressure)->text(QAccessible::Name),
             QStringLiteral("Actual pressure (mbar(a))"));
    ChooseSensor(f, kQA10);
    QCOMPARE(Interface(f, id::kReferenceTemperature)->text(QAccessible::Name),
             QStringLiteral("Reference temperature (°C)"));
    ClickRadio(f, id::kNormReference);
    QCOMPARE(Interface(f, id::kMaxFlow)->text(QAccessible::Description), QStringLiteral("Nl/min"));
}

int main(int argc, char** argv) {
    tarnvik::qt::CTarnvikApp app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "accessibility_test.moc"
