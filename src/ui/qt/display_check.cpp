#include "display_check.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#if TARNVIK_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace tarnvik::qt {

namespace {

// The value of a Qt command-line option ("-platform xcb", "--platform=xcb",
// ...), or nullptr.
const char* OptionValue(int argc, char** argv, std::string_view name) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.substr(0, 2) == "--") arg.remove_prefix(1);
        if (arg.substr(0, 1) != "-" || arg.substr(1, name.size()) != name) continue;
        const std::string_view rest = arg.substr(1 + name.size());
        if (rest.empty()) return i + 1 < argc ? argv[i + 1] : nullptr;
        if (rest[0] == '=') return argv[i] + (std::strlen(argv[i]) - rest.size() + 1);
    }
    return nullptr;
}

bool Set(const char* value) {
    return value && *value;
}

// Whether an X server accepts a connection on display ("" for the default).
bool XDisplayAnswers(const char* display) {
#if TARNVIK_HAVE_XCB
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
#else
    (void)display;
    return true;  // no way to ask: let Qt try
#endif
}

std::string CannotConnect(const char* display) {
    return "cannot open the window: no X display answers at \"" + std::string(display) +
           "\" (DISPLAY)";
}

}  // namespace

std::string DisplayProblem(int argc, char** argv, const EnvironmentLookup& environment) {
    const char* platform = OptionValue(argc, argv, "platform");
    if (!platform) platform = environment("QT_QPA_PLATFORM");
    const char* xDisplay = OptionValue(argc, argv, "display");
    if (!xDisplay) xDisplay = environment("DISPLAY");
    const bool wayland = Set(environment("WAYLAND_DISPLAY"));

    if (Set(platform)) {
        // A list ("wayland;xcb") is tried in order; each entry may carry
        // options ("xcb:nograb"). Only a list of X11 alone is checked here.
        const QStringList names = QString::fromLocal8Bit(platform).split(u';', Qt::SkipEmptyParts);
        for (const QString& name : names)
            if (name.section(u':', 0, 0).trimmed() != QLatin1String("xcb")) return {};
        if (!Set(xDisplay))
            return "cannot open the window: QT_QPA_PLATFORM or -platform asks for X11 (xcb), "
                   "and DISPLAY is not set";
        return XDisplayAnswers(xDisplay) ? std::string() : CannotConnect(xDisplay);
    }
    if (!Set(xDisplay) && !wayland)
        return "cannot open the window: no display (DISPLAY and WAYLAND_DISPLAY are not set); "
               "run it on a desktop, under xvfb-run, or use tarnvik-calc";
    // With a Wayland display Qt may take either; asking X11 first could
    // even start an on-demand X server for nothing.
    if (wayland) return {};
    return XDisplayAnswers(xDisplay) ? std::string() : CannotConnect(xDisplay);
}

std::string DisplayProblem(int argc, char** argv) {
    return DisplayProblem(argc, argv,
                          [](const char* name) -> const char* { return std::getenv(name); });
}

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// The state of the guard alive now, if any: a Qt message handler is a
// plain function, so it reaches the guard through this one pointer.
struct GuardState {
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};
GuardState* activeGuard = nullptr;  // NOLINT: see above

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(
            "tarnvik: cannot open the window: Qt could not start its window system "
            "(QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY; QT_DEBUG_PLUGINS=1 tells why)\n",
            stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    activeGuard->held.push_back({type, context.category ? context.category : "", text});
}

}  // namespace

WindowSystemGuard::WindowSystemGuard() {
    activeGuard = new GuardState;
    activeGuard->previous = qInstallMessageHandler(HoldOrFail);
}

WindowSystemGuard::~WindowSystemGuard() {
    const std::unique_ptr<GuardState> state(activeGuard);
    activeGuard = nullptr;
    qInstallMessageHandler(state->previous);
    for (const HeldMessage& m : state->held) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
        if (state->previous)
            state->previous(m.type, context, m.text);
        else
            qt_message_output(m.type, context, m.text);
    }
}

}  // namespace tarnvik::qt
