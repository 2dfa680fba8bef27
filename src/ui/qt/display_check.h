// Whether the window can be shown at all, asked before Qt starts: Qt ends
// the program with an abort (and a core dump) when it cannot reach a
// window system. The program says so in one line and exits with status 1.
#pragma once

#include <QtGlobal>
#include <functional>
#include <string>

namespace tarnvik::qt {

// Reads an environment variable; nullptr when unset.
using EnvironmentLookup = std::function<const char*(const char*)>;

// Why no window can be shown, or "" when Qt may try. From the platform Qt
// would use (-platform, else QT_QPA_PLATFORM, else the desktop's) and the
// display it needs, without connecting to anything:
//  - no platform named and neither DISPLAY nor WAYLAND_DISPLAY set;
//  - X11 (xcb) named as the only platform, and no DISPLAY (nor -display).
// Whether a display answers is left to Qt's own connection, which
// WindowSystemGuard watches: a second connection first would cost a round
// trip to the server on every start and could fail where Qt's would not.
std::string DisplayProblem(int argc, char** argv, const EnvironmentLookup& environment);
// The same with the process environment.
std::string DisplayProblem(int argc, char** argv);

// While alive (around the QApplication's construction): a fatal message
// from Qt, which is how Qt reports a window system it could not start (an
// X display that does not answer, a Wayland display that is gone, a
// platform it does not have), becomes one line on stderr and exit status 1
// instead of an abort. The other messages of that time are held back and
// passed on when the guard ends, so a failure prints one line only.
class WindowSystemGuard {
  public:
    WindowSystemGuard();
    ~WindowSystemGuard();
    WindowSystemGuard(const WindowSystemGuard&) = delete;
    WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
};

}  // namespace tarnvik::qt
