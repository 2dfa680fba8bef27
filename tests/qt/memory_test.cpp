// The window's memory under repeated edits of real widgets: QLineEdit keeps
// an undo step per character it removes or inserts, so a box that is
// pasted into again and again would grow without end.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QtTest>

#include "tarnvik_app.h"
#include "window_fixture.h"

using namespace tarnvik::qt::testing;

namespace {

// A field of /proc/self/status in kB (VmRSS, VmHWM), or -1.
qint64 StatusKb(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ')[0].toLongLong();
    return -1;
}

// Selects everything in the box and pastes the clipboard, by the keys.
void PasteOver(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void Undo(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
}

void Redo(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

// The diameter box of a type with a free diameter, focused for the keys.
QLineEdit* DiameterBox(Fixture& f) {
    ChooseSensor(f, kQA30);
    QLineEdit* diameter = f.Widget<QLineEdit>(id::kDiameter);
    diameter->setFocus();
    return diameter;
}

QString ModelDiameter(Fixture& f) {
    return QString::fromStdString(f.dlg.Window().GetText(id::kDiameter));
}

}  // namespace

class MemoryTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void repeatedPastesKeepMemoryBounded();
    void typedEditsStillUndo();
    void aLongPasteStillUndoes();
    void typingInALongTextKeepsTheHistory();
};

void MemoryTest::repeatedPastesKeepMemoryBounded() {
    if (StatusKb("VmRSS") < 0) QSKIP("no /proc/self/status");
    Fixture f;
    QLineEdit* diameter = DiameterBox(f);
    QString text;
    while (text.size() < 30000) text += QStringLiteral("1234567890");
    QGuiApplication::clipboard()->setText(text);

    constexpr int kWarmUp = 10, kPastes = 150;
    for (int i = 0; i < kWarmUp; ++i) PasteOver(diameter);
    const qint64 before = StatusKb("VmRSS");
    for (int i = 0; i < kPastes; ++i) PasteOver(diameter);
    const qint64 after = StatusKb("VmRSS");
    QCOMPARE(diameter->text(), text);
    QCOMPARE(ModelDiameter(f), text);

    const double perPaste = double(after - before) / kPastes;
    qInfo("%d pastes of %d characters: VmRSS %lld -> %lld kB (%+.1f kB a paste), VmHWM %lld kB",
          kPastes, int(text.size()), before, after, perPaste, StatusKb("VmHWM"));
    // Each paste records about 60,000 undo steps (0.9 MB) when nothing
    // bounds the history; bounded, the memory stays where it was.
    QVERIFY2(perPaste < 50, qPrintable(QString::number(perPaste)));
}

void MemoryTest::typedEditsStillUndo() {
    Fixture f;
    QLineEdit* diameter = DiameterBox(f);
    const QString start = diameter->text();
    diameter->end(false);
    QTest::keyClicks(diameter, QStringLiteral("25"));
    QCOMPARE(diameter->text(), start + QStringLiteral("25"));
    Undo(diameter);
    QCOMPARE(diameter->text(), start);
    QCOMPARE(ModelDiameter(f), start);  // the model follows an undo as any edit
    Redo(diameter);
    QCOMPARE(diameter->text(), start + QStringLiteral("25"));
}

void MemoryTest::aLongPasteStillUndoes() {
    // Past the bound the history is rebuilt to hold the last edit alone:
    // that edit can still be undone and redone.
    Fixture f;
    QLineEdit* diameter = DiameterBox(f);
    const QString start = diameter->text();
    const QString pasted = QString(30000, u'7');
    QGuiApplication::clipboard()->setText(pasted);
    PasteOver(diameter);
    QCOMPARE(diameter->text(), pasted);
    Undo(diameter);
    QCOMPARE(diameter->text(), start);
    QCOMPARE(ModelDiameter(f), start);
    Redo(diameter);
    QCOMPARE(diameter->text(), pasted);
}

void MemoryTest::typingInALongTextKeepsTheHistory() {
    // A key typed into a long text records one step, not the whole text:
    // the history is not rebuilt, and the paste before it stays undoable.
    Fixture f;
    QLineEdit* diameter = DiameterBox(f);
    const QString start = diameter->text();
    const QString pasted = QString(20000, u'3');
    QGuiApplication::clipboard()->setText(pasted);
    PasteOver(diameter);
    QTest::keyClicks(diameter, QStringLiteral("55"));
    QCOMPARE(diameter->text(), pasted + QStringLiteral("55"));
    Undo(diameter);
    QCOMPARE(diameter->text(), pasted);
    Undo(diameter);
    QCOMPARE(diameter->text(), start);
    QCOMPARE(ModelDiameter(f), start);
}

int main(int argc, char** argv) {
    tarnvik::qt::CTarnvikApp app(argc, argv);
    MemoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "memory_test.moc"
