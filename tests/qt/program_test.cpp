// The tarnvik executable as a desktop starts it, in environments without a
// usable display: one line on stderr and status 1, never Qt's abort; and
// --help and --version, which need no display at all.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Outcome {
    QProcess::ExitStatus how = QProcess::CrashExit;
    int status = -1;
    QByteArray out, err;
};

Outcome Run(const QStringList& args, const QStringList& environment,
            const QString& stdoutFile = {}) {
    QTemporaryDir runtime;  // Qt wants a private XDG_RUNTIME_DIR, or warns
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env;  // empty: nothing inherited from the test's desktop
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString& pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    if (!stdoutFile.isEmpty()) p.setStandardOutputFile(stdoutFile);
    p.start(QStringLiteral(TARNVIK_EXECUTABLE), args);
    Outcome o;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.how = p.exitStatus();
    o.status = p.exitCode();
    o.out = p.readAllStandardOutput();
    o.err = p.readAllStandardError();
    return o;
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void withoutADisplay_data();
    void withoutADisplay();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();
    void unknownArgumentIsRejected();
    void helpToAFullDeviceFails();
};

void ProgramTest::withoutADisplay_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("says");
    // :6543 is a display nobody runs.
    QTest::newRow("empty environment")
        << QStringList{} << QByteArray("DISPLAY and WAYLAND_DISPLAY are not set");
    QTest::newRow("unreachable DISPLAY") << QStringList{"DISPLAY=:6543"} << QByteArray("\":6543\"");
    QTest::newRow("unreachable DISPLAY, xcb asked for")
        << QStringList{"DISPLAY=:6543", "QT_QPA_PLATFORM=xcb"} << QByteArray("\":6543\"");
    QTest::newRow("xcb asked for, no DISPLAY")
        << QStringList{"QT_QPA_PLATFORM=xcb"} << QByteArray("DISPLAY is not set");
    // Qt itself fails here; its abort must become the same kind of line.
    QTest::newRow("platform Qt does not have")
        << QStringList{"QT_QPA_PLATFORM=no-such-platform"} << QByteArray("window system");
    QTest::newRow("Wayland display that is not there")
        << QStringList{"WAYLAND_DISPLAY=no-such-wayland"} << QByteArray("window system");
}

void ProgramTest::withoutADisplay() {
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, says);
    const Outcome o = Run({}, environment);
    QCOMPARE(o.how, QProcess::NormalExit);  // no abort, no core dump
    QCOMPARE(o.status, 1);
    QVERIFY2(o.out.isEmpty(), o.out);
    QVERIFY2(o.err.startsWith("tarnvik: cannot open the window: "), o.err);
    QVERIFY2(o.err.count('\n') == 1 && o.err.endsWith('\n'), o.err);  // one line
    QVERIFY2(o.err.contains(says), o.err);
}

void ProgramTest::helpAndVersionNeedNoDisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("starts");
    QTest::newRow("--help") << "--help" << QByteArray("Usage: tarnvik [OPTION]...\n");
    QTest::newRow("-h") << "-h" << QByteArray("Usage: tarnvik [OPTION]...\n");
    QTest::newRow("--version") << "--version" << QByteArray("tarnvik " TARNVIK_VERSION "\n");
}

void ProgramTest::helpAndVersionNeedNoDisplay() {
    QFETCH(QString, option);
    QFETCH(QByteArray, starts);
    const Outcome o = Run({option}, {});
    QCOMPARE(o.how, QProcess::NormalExit);
    QCOMPARE(o.status, 0);
    QVERIFY2(o.out.startsWith(starts), o.out);
    QVERIFY2(o.err.isEmpty(), o.err);
    if (option == QLatin1String("--version")) QCOMPARE(o.out, starts);
}

void ProgramTest::unknownArgumentIsRejected() {
    const Outcome o =
        Run({QStringLiteral("--bogus")}, {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
    QCOMPARE(o.how, QProcess::NormalExit);
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains("unknown argument \"--bogus\""), o.err);
    QVERIFY2(o.err.count('\n') == 1, o.err);
}

void ProgramTest::helpToAFullDeviceFails() {
    if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full");
    const Outcome o = Run({QStringLiteral("--help")}, {}, QStringLiteral("/dev/full"));
    QCOMPARE(o.how, QProcess::NormalExit);
    QCOMPARE(o.status, 1);
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
