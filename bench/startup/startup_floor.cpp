// The floor: a minimal Qt dialog with one label, run modally.
#include <QApplication>
#include <QDialog>
#include <QLabel>

#include "first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    QLabel label(QStringLiteral("Tarnvik Calculator"), &dialog);
    dialog.setWindowTitle(QStringLiteral("floor"));
    FirstPaintProbe probe;
    probe.Watch(dialog, [&dialog] { dialog.reject(); });
    dialog.exec();
    return 0;
}
