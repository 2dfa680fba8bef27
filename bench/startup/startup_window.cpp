// The calculator window as the program starts it, reporting when it is shown.
#include "first_paint_probe.h"
#include "program.h"
#include "tarnvik_window.h"

int main(int argc, char** argv) {
    FirstPaintProbe probe;
    return tarnvik::qt::RunProgram(argc, argv, [&probe](tarnvik::qt::TarnvikWindow& window) {
        probe.Watch(window, [&window] { window.reject(); });
    });
}
