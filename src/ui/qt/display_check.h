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

// Why no window can be shown, or "" when Qt should manage. Looks at the
// platform Qt would use (-platform, else QT_QPA_PLATFORM, else the
// desktop's) and at the display it needs:
//  - no platform named and neither DISPLAY nor WAYLAND_DISPLAY set;
//  - X11 (xcb) the only way, and its display (-display, else DISPLAY)
//    refuses a connection.
// Platforms that need no display server (offscreen, vnc, ...) and Wayland
// are left to Qt; WindowSystemGuard catches what it then fails at.
std::string DisplayProblem(int argc, char** argv, const EnvironmentLookup& environment);
// The same with the process environment.
std::string DisplayProblem(int argc, char** argv);

// While alive (around the QApplication's construction): a fatal message
// from Qt, which is how Qt reports a window system it could not start,
// becomes one line on stderr and exit status 1 instead of an abort. The
// other messages of that time are held back and passed on when the guard
// ends, so a failure prints one line only.
class WindowSystemGuard {
  public:
    WindowSystemGuard();
    ~WindowSystemGuard();
    WindowSystemGuard(const WindowSystemGuard&) = delete;
    WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
};

}  // namespace tarnvik::qt
