// The calculator window as the program starts it, reporting when it is shown.
#include "first_paint_probe.h"
#include "tarnvik_app.h"
#include "tarnvik_window.h"

int main(int argc, char** argv) {
    tarnvik::qt::CTarnvikApp app(argc, argv);
    FirstPaintProbe probe;
    app.SetWindowCreatedHook([&probe](tarnvik::qt::TarnvikWindow& window) {
        probe.Watch(window, [&window] { window.reject(); });
    });
    return app.Run();
}
