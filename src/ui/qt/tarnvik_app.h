// CTarnvikApp: owns the QApplication and runs the calculator window
// modally; the program ends when the window ends.
#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace tarnvik::qt {

class TarnvikWindow;

class CTarnvikApp {
  public:
    // argc must outlive the object (QApplication keeps a reference).
    CTarnvikApp(int& argc, char** argv);
    CTarnvikApp(const CTarnvikApp&) = delete;
    CTarnvikApp& operator=(const CTarnvikApp&) = delete;

    // The executable file's name without its extension: the caption of the
    // message box.
    const std::string& ApplicationName() const { return applicationName_; }
    QApplication& Application() { return application_; }

    // Called with the window once it is built, before the modal run starts
    // (the start-up bench watches for the first paint through it).
    void SetWindowCreatedHook(std::function<void(TarnvikWindow&)> hook) {
        windowCreated_ = std::move(hook);
    }

    // InitInstance: constructs the window, runs it modally, destroys it.
    // The window's result is not looked at; the exit status is 0.
    int Run();

  private:
    QApplication application_;
    std::string applicationName_;
    std::function<void(TarnvikWindow&)> windowCreated_;
};

// The look every part of the window is measured against: the Fusion style,
// whatever the desktop's theme, so the template's pixel layout holds.
void ApplyLookAndFeel(QApplication& application);

}  // namespace tarnvik::qt
