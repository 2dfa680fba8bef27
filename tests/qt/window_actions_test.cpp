// The window's context menu and shortcuts, offscreen through real widgets:
// the pipe sizes dialog, the sizing sheet and the copied results, each
// compared with what the library gives for the same window.
#include "window_actions.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "pipe_filter.h"
#include "pipe_sizes_dialog.h"
#include "sheet_prompts.h"
#include "sizing/pipe_standards.h"
#include "sizing/range_table.h"
#include "sizing/sizing_charts.h"
#include "sizing/sizing_sheet.h"
#include "tarnvik_app.h"
#include "ui/calculation_context.h"
#include "window_fixture.h"

using tarnvik::qt::PipeSizesDialog;
using tarnvik::qt::SheetFields;
using namespace tarnvik::qt::testing;
namespace sizing = tarnvik::sizing;

namespace {

// Runs act on the next modal dialog of type T once it is shown and
// active; the caller then opens it. A dialog that act left open (a failed
// check returns early) is closed, so that a failure cannot hang the test.
template <class T>
void OnNextModal(std::function<void(T&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        // dynamic_cast: the window's dialogs carry no meta-object of their own.
        auto* w = dynamic_cast<T*>(QApplication::activeModalWidget());
        if (!w || !w->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        if (!QTest::qWaitForWindowActive(w)) qWarning("the dialog did not become active");
        act(*w);
        if (w->isVisible()) w->reject();
    });
    timer->start();
}

const sizing::PipeSize& Pipe(const char* name) {
    const sizing::PipeLookup found = sizing::FindPipe(name);
    if (!found) qFatal("no pipe %s", name);
    return *found.pipe;
}

QStringList VisibleRows(const QTreeWidget& list) {
    QStringList names;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (!list.topLevelItem(i)->isHidden()) names << list.topLevelItem(i)->text(1);
    return names;
}

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

QString ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<cannot read %1>").arg(path);
    return QString::fromUtf8(file.readAll());
}

// The window's context menu, opened from the keyboard (the menu key) on
// the focused widget.
QMenu* OpenMenuFromKeyboard(QWidget* focused) {
    focused->setFocus();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, focused->rect().center(),
                            focused->mapToGlobal(focused->rect().center()));
    QApplication::sendEvent(focused, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu && !QTest::qWaitForWindowExposed(menu)) return nullptr;
    return menu;
}

}  // namespace

class WindowActionsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { QGuiApplication::clipboard()->clear(); }

    void pipeDialogTypesTheDiameterAsAUserWould();
    void pipeIsForgottenOnceTheBoxChanges_data();
    void pipeIsForgottenOnceTheBoxChanges();
    void pipeDialogRefusesWhileTheBoxIsDisabled();
    void filterTakesTheNamesUsersWrite_data();
    void filterTakesTheNamesUsersWrite();
    void copyResultsGivesTheInputsAndResultsForASpreadsheet();
    void ctrlCWithASelectionCopiesTheSelection_data();
    void ctrlCWithASelectionCopiesTheSelection();
    void savingWritesTheSheetOfTheWindow();
    void aSheetWithoutItsChartSaysWhy();
    void sheetFieldsAreAskedByKeyboard();
    void aWriteErrorShowsAMessage();
    void menusAreReachableByKeyboardAndNamed();
};

void WindowActionsTest::pipeDialogTypesTheDiameterAsAUserWould() {
    Fixture f;
    ChooseSensor(f, kQA30);
    const QString resultBefore = f.Widget<QLineEdit>(id::kMaxFlow)->text();

    bool seen = false;
    OnNextModal<PipeSizesDialog>([&seen](PipeSizesDialog& d) {
        seen = true;
        QTRY_COMPARE(QApplication::focusWidget(), d.FilterBox());
        // The arrow keys move through the list without leaving the box.
        QTest::keyClicks(d.FilterBox(), QStringLiteral("2 inch"));
        QCOMPARE(d.SelectedPipe(), nullptr);
        QTest::keyClick(d.FilterBox(), Qt::Key_Down);
        QTest::keyClick(d.FilterBox(), Qt::Key_Down);
        QVERIFY(d.SelectedPipe() != nullptr);
        QCOMPARE(d.SelectedPipe()->name, std::string("EN 10255-H DN50"));
        QCOMPARE(QApplication::focusWidget(), d.FilterBox());
        d.FilterBox()->clear();
        QTest::keyClicks(d.FilterBox(), QStringLiteral("2\" sch40"));
        QCOMPARE(VisibleRows(*d.List()), QStringList{QStringLiteral("NPS 2 Sch 40")});
        QVERIFY(d.SelectedPipe() != nullptr);
        QVERIFY(d.UseButton()->isEnabled());
        QVERIFY(d.Status()->text().contains(QStringLiteral("52.48")));
        QTest::keyClick(d.FilterBox(), Qt::Key_Return);  // acts in the dialog
    });
    QTest::keyClick(f.window.ControlWidget(id::kSensorType), Qt::Key_D, Qt::ControlModifier);
    QVERIFY(seen);

    // As if the user had typed the text: the model computed from it.
    QVERIFY(f.reference.Window().UserType(id::kDiameter, "52.48"));
    QCOMPARE(f.Widget<QLineEdit>(id::kDiameter)->text(), QStringLiteral("52.48"));
    QVERIFY(f.Widget<QLineEdit>(id::kMaxFlow)->text() != resultBefore);
    VerifySameAsReference(f);
    QCOMPARE(f.window.Actions().PipeName(), std::string("NPS 2 Sch 40"));
    QVERIFY(f.window.isVisible());
    QVERIFY(!f.dlg.Window().Ended());

    // Enter in the window itself still ends it.
    QTest::keyClick(f.window.ControlWidget(id::kSensorType), Qt::Key_Return);
    QVERIFY(f.dlg.Window().Ended());
}

void WindowActionsTest::pipeIsForgottenOnceTheBoxChanges_data() {
    QTest::addColumn<std::function<void(Fixture&)>>("change");
    QTest::addColumn<bool>("kept");
    using Change = std::function<void(Fixture&)>;
    QTest::newRow("a key in the box") << Change([](Fixture& f) {
        QLineEdit* box = f.Widget<QLineEdit>(id::kDiameter);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_1);
        QVERIFY(f.reference.Window().UserType(id::kDiameter, "52.481"));
    }) << false;
    QTest::newRow("undo in the box") << Change([](Fixture& f) {
        QLineEdit* box = f.Widget<QLineEdit>(id::kDiameter);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("100"));
        QVERIFY(f.reference.Window().UserType(id::kDiameter, "100"));
    }) << false;
    QTest::newRow("the same sensor type again")
        << Change([](Fixture& f) { ChooseSensor(f, kQA30); }) << false;
    QTest::newRow("a type with sections") << Change([](Fixture& f) {
        ChooseSensor(f, 3);  // QA40
    }) << false;
    QTest::newRow("another unit") << Change([](Fixture& f) { ClickRadio(f, id::kUnitM3h); })
                                  << true;
    QTest::newRow("another range") << Change([](Fixture& f) {
        Choose(f.Widget<QComboBox>(id::kRange), 0);
        QVERIFY(f.reference.Window().UserChoose(id::kRange, 0));
    }) << true;
    // A new gas rewrites the box with the text it shows: no change.
    QTest::newRow("another gas") << Change([](Fixture& f) {
        Choose(f.Widget<QComboBox>(id::kGasType), 1);
        QVERIFY(f.reference.Window().UserChoose(id::kGasType, 1));
    }) << true;
}

void WindowActionsTest::pipeIsForgottenOnceTheBoxChanges() {
    QFETCH(std::function<void(Fixture&)>, change);
    QFETCH(bool, kept);
    Fixture f;
    ChooseSensor(f, kQA30);
    Type(f, id::kDiameter, QStringLiteral("100"));
    QVERIFY(f.window.Actions().TypePipe(Pipe("NPS 2 Sch 40")));
    QVERIFY(f.reference.Window().UserType(id::kDiameter, "52.48"));
    QCOMPARE(f.window.Actions().PipeName(), std::string("NPS 2 Sch 40"));
    change(f);
    QCOMPARE(f.window.Actions().PipeName(), kept ? std::string("NPS 2 Sch 40") : std::string());
    VerifySameAsReference(f);
    // Forgotten means forgotten: the text coming back does not bring it.
    if (!kept && f.Widget<QLineEdit>(id::kDiameter)->isEnabled()) {
        Type(f, id::kDiameter, QStringLiteral("52.48"));
        QCOMPARE(f.window.Actions().PipeName(), std::string());
    }
}

void WindowActionsTest::pipeDialogRefusesWhileTheBoxIsDisabled() {
    Fixture f;
    ChooseSensor(f, 3);  // QA40: measuring sections
    QVERIFY(!f.Widget<QLineEdit>(id::kDiameter)->isEnabled());
    const QString diameter = f.Widget<QLineEdit>(id::kDiameter)->text();

    bool seen = false;
    OnNextModal<PipeSizesDialog>([&seen](PipeSizesDialog& d) {
        seen = true;
        QVERIFY(d.Refusal()->isVisible());
        QVERIFY(d.Refusal()->text().startsWith(QStringLiteral("QA40 ")));
        QVERIFY(d.Refusal()->text().contains(QStringLiteral("cannot be typed")));
        QTest::keyClicks(d.FilterBox(), QStringLiteral("DN25 M"));
        QVERIFY(d.SelectedPipe() != nullptr);  // the list is still there to read
        QVERIFY(!d.UseButton()->isEnabled());
        QTest::keyClick(d.FilterBox(), Qt::Key_Return);
        QTreeWidget* list = d.List();
        const QRect row = list->visualItemRect(list->selectedItems().front());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(d.isVisible());
        QTest::keyClick(d.FilterBox(), Qt::Key_Escape);
        QVERIFY(!d.isVisible());
    });
    f.window.Actions().OpenPipeSizes();
    QVERIFY(seen);
    QCOMPARE(f.Widget<QLineEdit>(id::kDiameter)->text(), diameter);
    QVERIFY(!f.window.Actions().TypePipe(Pipe("EN 10255-M DN25")));
    QCOMPARE(f.window.Actions().PipeName(), std::string());
    VerifySameAsReference(f);
    QVERIFY(!f.dlg.Window().Ended());  // Escape closed the dialog only
}

void WindowActionsTest::filterTakesTheNamesUsersWrite_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("count");  // -1: not checked
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("notShown");
    QTest::addColumn<QString>("note");  // a part of it; empty: no note
    const auto row = [](const char* name, const char* text, bool exact, int count,
                        const char* shown, const char* notShown, const char* note) {
        QTest::newRow(name) << QString::fromUtf8(text) << exact << count << QString(shown)
                            << QString(notShown) << QString(note);
    };
    const int all = static_cast<int>(sizing::AllPipes().size());
    row("nothing: every pipe", "", false, all, "NPS 12 Sch 80S", "", "");
    row("inch and schedule", "2\" sch40", true, 1, "NPS 2 Sch 40", "", "");
    row("DN and series", "DN50 M", true, 1, "EN 10255-M DN50", "", "");
    row("words", "dn50 medium", true, 1, "EN 10255-M DN50", "", "");
    row("stainless schedule", "NPS2 40S", true, 1, "NPS 2 Sch 40S", "", "");
    row("weight class", "NPS 12 STD", true, 1, "NPS 12 STD", "", "");
    row("size without wall: the pipes it fits", "2 inch", false, 9, "NPS 2 Sch 40", "NPS 3 Sch 40",
        "ambiguous");
    row("part of a schedule", "sch 80s", false, -1, "NPS 2 Sch 80S", "NPS 2 Sch 80", "");
    row("part of a series", "10255-h", false, 13, "EN 10255-H DN8", "EN 10255-M DN8", "");
    row("weight class of every size", "std", false, -1, "NPS 12 STD", "NPS 12 Sch 40", "");
    row("unknown size: the nearest", "DN7", false, -1, "EN 10255-M DN8", "EN 10255-M DN50",
        "nearest");
    row("nothing like it", "xyz", false, 0, "", "", "\"xyz\"");
}

void WindowActionsTest::filterTakesTheNamesUsersWrite() {
    QFETCH(QString, text);
    QFETCH(bool, exact);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QFETCH(QString, notShown);
    QFETCH(QString, note);
    const tarnvik::qt::PipeFilter filter = tarnvik::qt::FilterPipes(text.toStdString());
    QStringList names;
    for (const sizing::PipeSize* p : filter.pipes) names << QString::fromStdString(p->name);
    QCOMPARE(filter.exact, exact);
    if (count >= 0) QCOMPARE(names.size(), count);
    if (!shown.isEmpty()) QVERIFY2(names.contains(shown), qPrintable(names.join(", ")));
    if (!notShown.isEmpty()) QVERIFY2(!names.contains(notShown), qPrintable(names.join(", ")));
    if (note.isEmpty())
        QCOMPARE(filter.note, std::string());
    else
        QVERIFY2(QString::fromStdString(filter.note).contains(note), filter.note.c_str());
    // The note explains; the list shows the pipes, the note need not repeat them.
    for (const QString& name : names)
        QVERIFY2(!QString::fromStdString(filter.note).contains(name), filter.note.c_str());

    // The dialog shows the same rows.
    PipeSizesDialog dialog(nullptr);
    dialog.FilterBox()->setText(text);
    QCOMPARE(VisibleRows(*dialog.List()), names);
}

void WindowActionsTest::copyResultsGivesTheInputsAndResultsForASpreadsheet() {
    Fixture f;
    ChooseSensor(f, kQA70);
    ClickRadio(f, id::kFlowTypeFad);
    Type(f, id::kProcessPressure, QStringLiteral("7"));
    QVERIFY(f.window.Actions().TypePipe(Pipe("NPS 2 Sch 40")));
    QVERIFY(f.reference.Window().UserType(id::kDiameter, "52.48"));

    // Ctrl+C on a list (no text to select) copies the results.
    QTest::keyClick(f.window.ControlWidget(id::kSensorType), Qt::Key_C, Qt::ControlModifier);
    const QString copied = Clipboard();
    const QStringList lines = copied.split(QLatin1Char('\n'));
    QCOMPARE(lines.back(), QString());  // every line ends with a line break

    const tarnvik::CalculationContext context =
        tarnvik::ReadCalculationContext(f.reference, "NPS 2 Sch 40");
    QCOMPARE(lines.size() - 1, qsizetype(context.inputs.size() + context.results.size()));
    for (std::size_t i = 0; i < context.inputs.size(); ++i) {
        const QStringList cells = lines[qsizetype(i)].split(QLatin1Char('\t'));
        const tarnvik::ContextEntry& e = context.inputs[i];
        QVERIFY2(cells.size() == 3, qPrintable(lines[qsizetype(i)]));
        const QString label =
            cells[2].isEmpty() ? cells[0] : cells[0] + QStringLiteral(" (") + cells[2] + ')';
        QCOMPARE(label, Q(e.label));
        QCOMPARE(cells[1], Q(e.shown));
    }
    for (std::size_t i = 0; i < context.results.size(); ++i) {
        const tarnvik::ResultEntry& r = context.results[i];
        QCOMPARE(lines[qsizetype(context.inputs.size() + i)],
                 Q(r.label + "\t" + r.value + "\t" + r.unit));
    }
    // What a person reads, and the units in a column of their own.
    for (const char* line :
         {"Sensor type\tQA70\t", "Pipe\tNPS 2 Sch 40\t", "Pipe inner diameter\t52.48\tmm",
          "Flow type\tFAD\t", "Process pressure\t7\tbar(g)", "Inlet pressure\t1.01325\tbar(a)"})
        QVERIFY2(lines.contains(QString::fromUtf8(line)), line);
    QVERIFY(copied.contains(QStringLiteral("\nMax. flow\t") +
                            f.Widget<QLineEdit>(id::kMaxFlow)->text() + '\t' +
                            f.Widget<QLineEdit>(id::kMaxFlowUnit)->text() + '\n'));

    // Ctrl+C in a box without a selection copies the same, as does the menu.
    QGuiApplication::clipboard()->clear();
    QLineEdit* box = f.Widget<QLineEdit>(id::kInletTemperature);
    box->setFocus();
    box->deselect();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), copied);
    QGuiApplication::clipboard()->clear();
    f.window.Actions().CopyResultsAction()->trigger();
    QCOMPARE(Clipboard(), copied);
    VerifySameAsReference(f);
}

void WindowActionsTest::ctrlCWithASelectionCopiesTheSelection_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::newRow("input box, part of its text") << id::kDiameter << 0 << 2;
    QTest::newRow("result box, all of it") << id::kMaxFlow << 0 << -1;
}

void WindowActionsTest::ctrlCWithASelectionCopiesTheSelection() {
    QFETCH(int, box);
    QFETCH(int, start);
    QFETCH(int, length);
    Fixture f;
    ChooseSensor(f, kQA30);
    Type(f, id::kDiameter, QStringLiteral("123.4"));
    QLineEdit* edit = f.Widget<QLineEdit>(box);
    edit->setFocus();
    edit->setSelection(start, length < 0 ? int(edit->text().size()) : length);
    const QString selected = edit->selectedText();
    QVERIFY(!selected.isEmpty());
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), selected);
    QCOMPARE(edit->selectedText(), selected);
}

void WindowActionsTest::savingWritesTheSheetOfTheWindow() {
    Fixture f;
    ChooseSensor(f, kQA30);
    ClickRadio(f, id::kUnitM3h);
    QVERIFY(f.window.Actions().TypePipe(Pipe("NPS 2 Sch 40")));
    QVERIFY(f.reference.Window().UserType(id::kDiameter, "52.48"));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sheet.html"));
    {  // an older sheet of the same name is replaced
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older page, longer than nothing");
    }
    const SheetFields fields{"Sizing sheet", "Ring main", "FT-101", "Nordvik AB"};
    QString suggested, opened, chartNote;
    tarnvik::qt::SheetPrompts& prompts = f.window.Actions().Prompts();
    prompts.askFields = [&](QWidget*, const SheetFields&) { return fields; };
    prompts.askFileName = [&](QWidget*, const QString& offered) {
        suggested = offered;
        return path;
    };
    prompts.today = [] { return QDate(2024, 5, 17); };
    prompts.offerToOpen = [&](QWidget*, const QString& saved, const QString& note) {
        opened = saved;
        chartNote = note;
    };
    // From an edit box: it has no use for the key and leaves it to the window.
    QLineEdit* box = f.Widget<QLineEdit>(id::kDiameter);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);

    // The same sheet built here from the library, the range chart from the
    // type's range table in the same unit, its row named by the pipe.
    sizing::SizingSheet expected;
    expected.project = "Ring main";
    expected.tag = "FT-101";
    expected.customer = "Nordvik AB";
    expected.date = "2024-05-17";
    expected.version = TARNVIK_VERSION;
    expected.context = tarnvik::ReadCalculationContext(f.reference, "NPS 2 Sch 40");
    const sizing::TableResult table =
        sizing::RangeTable({.options = {{"sensor", "QA30"}, {"unit", "m3/h"}},
                            .diameters = {"52.48"},
                            .pipes = {"NPS 2 Sch 40"}});
    QCOMPARE(table.error, std::string());
    const std::string range = expected.context.Input("range")->value;
    expected.chart = sizing::RangeTableChart(table.rows, {"", "52.48", range});

    QCOMPARE(ReadFile(path), QString::fromStdString(sizing::SizingSheetHtml(expected)));
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("QA30 sizing sheet 2024-05-17.html"));
    QCOMPARE(opened, path);
    QCOMPARE(chartNote, QString());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("sheet.html")});
    VerifySameAsReference(f);
}

void WindowActionsTest::aSheetWithoutItsChartSaysWhy() {
    // A process pressure the window refuses cannot be replayed for the
    // other rows of the chart: the sheet is still written, without it.
    Fixture f;
    ChooseSensor(f, kQA70);
    OnNextModal<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    Type(f, id::kProcessPressure, QStringLiteral("-2"));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.html"));
    QString chartNote;
    tarnvik::qt::SheetPrompts& prompts = f.window.Actions().Prompts();
    prompts.askFields = [](QWidget*, const SheetFields& given) { return given; };
    prompts.askFileName = [&](QWidget*, const QString&) { return path; };
    prompts.today = [] { return QDate(2024, 5, 17); };
    prompts.offerToOpen = [&](QWidget*, const QString&, const QString& note) { chartNote = note; };
    f.window.Actions().SaveSheetAction()->trigger();

    sizing::SizingSheet expected;
    expected.date = "2024-05-17";
    expected.version = TARNVIK_VERSION;
    expected.context = tarnvik::ReadCalculationContext(f.reference);
    QCOMPARE(ReadFile(path), QString::fromStdString(sizing::SizingSheetHtml(expected)));
    QVERIFY2(chartNote.startsWith(QStringLiteral("The range chart is left out: ")) &&
                 chartNote.contains(QStringLiteral("Pressure is not correct!")),
             qPrintable(chartNote));
}

void WindowActionsTest::sheetFieldsAreAskedByKeyboard() {
    Fixture f;
    const SheetFields given{"Sizing sheet", "Old project", "", ""};
    OnNextModal<QDialog>([](QDialog& d) {
        // The labels' mnemonics reach their fields, which read as them.
        QTest::keyClick(&d, Qt::Key_P, Qt::AltModifier);
        auto* project = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(project);
        QCOMPARE(QAccessible::queryAccessibleInterface(project)->text(QAccessible::Name),
                 QStringLiteral("Project:"));
        project->selectAll();
        QTest::keyClicks(project, QStringLiteral("Ring main"));
        QTest::keyClick(&d, Qt::Key_A, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("  FT-101 "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // acts in the dialog
    });
    const std::optional<SheetFields> fields = tarnvik::qt::AskSheetFields(&f.window, given);
    QVERIFY(fields);
    QCOMPARE(fields->title, std::string("Sizing sheet"));
    QCOMPARE(fields->project, std::string("Ring main"));
    QCOMPARE(fields->tag, std::string("FT-101"));
    QCOMPARE(fields->customer, std::string());
    QVERIFY(!f.dlg.Window().Ended());

    OnNextModal<QDialog>([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    QVERIFY(!tarnvik::qt::AskSheetFields(&f.window, given));
    QVERIFY(!f.dlg.Window().Ended());
}

void WindowActionsTest::aWriteErrorShowsAMessage() {
    Fixture f;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no such folder/sheet.html"));
    tarnvik::qt::SheetPrompts& prompts = f.window.Actions().Prompts();
    bool offered = false;
    prompts.askFields = [](QWidget*, const SheetFields& given) { return given; };
    prompts.askFileName = [&](QWidget*, const QString&) { return path; };
    prompts.offerToOpen = [&](QWidget*, const QString&, const QString&) { offered = true; };

    QString message;
    OnNextModal<QMessageBox>([&message](QMessageBox& box) {
        message = box.text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    f.window.Actions().SaveSheetAction()->trigger();
    QVERIFY2(message.startsWith(QStringLiteral("The sizing sheet could not be saved")),
             qPrintable(message));
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY(!offered);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(f.window.isVisible());
    QVERIFY(!f.dlg.Window().Ended());
}

void WindowActionsTest::menusAreReachableByKeyboardAndNamed() {
    Fixture f;
    ChooseSensor(f, kQA30);

    // On a list: the window's own menu; its entries have mnemonics and
    // show their shortcuts.
    QMenu* menu = OpenMenuFromKeyboard(f.window.ControlWidget(id::kSensorType));
    QVERIFY(menu);
    QStringList entries;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) entries << a->text() + '|' + a->shortcut().toString();
    QCOMPARE(entries, (QStringList{QStringLiteral("P&ipe sizes…|Ctrl+D"),
                                   QStringLiteral("&Save sizing sheet…|Ctrl+S"),
                                   QStringLiteral("Cop&y results|Ctrl+C")}));

    // Its mnemonic opens the dialog, whose fields are named by their labels.
    bool seen = false;
    OnNextModal<PipeSizesDialog>([&seen](PipeSizesDialog& d) {
        seen = true;
        for (QWidget* w : {static_cast<QWidget*>(d.FilterBox()), static_cast<QWidget*>(d.List())}) {
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(name == QStringLiteral("Find a pipe") || name == QStringLiteral("Pipe sizes"),
                     qPrintable(name));
        }
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QTest::keyClick(menu, Qt::Key_I);
    QVERIFY(seen);
    QVERIFY(f.window.isVisible());

    // An edit box keeps its own menu, with the window's entries below it.
    menu = OpenMenuFromKeyboard(f.window.ControlWidget(id::kDiameter));
    QVERIFY(menu);
    QStringList texts;  // the edit box's entries may show their keys after a tab
    for (QAction* a : menu->actions()) texts << a->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(texts.contains(QStringLiteral("&Copy")) && texts.contains(QStringLiteral("&Paste")),
             qPrintable(texts.join(", ")));
    QVERIFY(menu->actions().contains(f.window.Actions().PipeSizesAction()));
    QVERIFY(menu->actions().contains(f.window.Actions().CopyResultsAction()));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible() || QApplication::activePopupWidget() == nullptr);
    QVERIFY(!f.dlg.Window().Ended());  // Escape closed the menu only
}

int main(int argc, char** argv) {
    tarnvik::qt::CTarnvikApp app(argc, argv);
    WindowActionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_actions_test.moc"
