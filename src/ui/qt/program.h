// The tarnvik program from its arguments to its exit status: the options
// that need no display, the display check, the application and the
// window's modal run. main() is this; the start-up bench runs it too.
#pragma once

#include <functional>

namespace tarnvik::qt {

class TarnvikWindow;

// windowCreated, if given, sees the window once it is built (CTarnvikApp's
// window-created hook).
int RunProgram(int argc, char** argv, std::function<void(TarnvikWindow&)> windowCreated = {});

}  // namespace tarnvik::qt
