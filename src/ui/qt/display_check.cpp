#include "display_check.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

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

}  // namespace

std::string DisplayProblem(int argc, char** argv, const EnvironmentLookup& environment) {
    const char* platform = OptionValue(argc, argv, "platform");
    if (!platform) platform = environment("QT_QPA_PLATFORM");
    const bool x11 = Set(OptionValue(argc, argv, "display")) || Set(environment("DISPLAY"));
    const bool wayland = Set(environment("WAYLAND_DISPLAY"));

    if (Set(platform)) {
        // A list ("wayland;xcb") is tried in order; each entry may carry
        // options ("xcb:nograb"). Platforms that need no display server
        // (offscreen, vnc, ...) are Qt's to judge.
        const QStringList names = QString::fromLocal8Bit(platform).split(u';', Qt::SkipEmptyParts);
        for (const QString& name : names)
            if (name.section(u':', 0, 0).trimmed() != QLatin1String("xcb")) return {};
        if (!x11)
            return "cannot open the window: QT_QPA_PLATFORM or -platform asks for X11 (xcb), "
                   "and DISPLAY is not set";
        return {};
    }
    if (!x11 && !wayland)
        return "cannot open the window: no display (DISPLAY and WAYLAND_DISPLAY are not set); "
               "run it on a desktop, under xvfb-run, or use tarnvik-calc";
    return {};
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

// The one line for a window system Qt could not start. Qt's X11 platform
// names the display it could not reach in a warning just before.
std::string FailureLine(const std::vector<HeldMessage>& held) {
    constexpr QLatin1String kNoX("could not connect to display");
    for (const HeldMessage& m : held) {
        const qsizetype at = m.text.indexOf(kNoX);
        const QString display = at < 0 ? QString() : m.text.mid(at + kNoX.size()).trimmed();
        // None named: Qt fell back on X11 after another platform failed.
        if (m.category == "qt.qpa.xcb" && !display.isEmpty()) {
            return "cannot open the window: no X display answers at \"" + display.toStdString() +
                   "\" (DISPLAY)";
        }
    }
    return "cannot open the window: Qt could not start its window system (QT_QPA_PLATFORM, "
           "DISPLAY, WAYLAND_DISPLAY; QT_DEBUG_PLUGINS=1 tells why)";
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tarnvik: %s\n", FailureLine(activeGuard->held).c_str());
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
