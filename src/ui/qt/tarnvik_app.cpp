#include "tarnvik_app.h"

#include <QFileInfo>
#include <QStyleFactory>

#include "tarnvik_window.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::qt {

namespace {

std::string ExecutableBaseName() {
    // completeBaseName drops only the last suffix: "tarnvik.exe" -> "tarnvik".
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? std::string("tarnvik") : name.toStdString();
}

}  // namespace

void ApplyLookAndFeel(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(fusion);
}

CTarnvikApp::CTarnvikApp(int& argc, char** argv) : application_(argc, argv) {
    applicationName_ = ExecutableBaseName();
    // Ties the window to tarnvik.desktop (its icon in docks and task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnvik"));
    ApplyLookAndFeel(application_);
}

int CTarnvikApp::Run() {
    {
        CTarnvikDlg dlg(applicationName_);
        TarnvikWindow window(dlg);
        if (windowCreated_) windowCreated_(window);
        window.RunModal();  // OK or cancel: either way the program ends
    }
    return 0;
}

}  // namespace tarnvik::qt
