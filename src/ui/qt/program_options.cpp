#include "program_options.h"

#include <string_view>

#ifndef TARNVIK_VERSION
#error "TARNVIK_VERSION must name the project version"
#endif

namespace tarnvik::qt {

namespace {

constexpr const char* kHelp =
    "Usage: tarnvik [OPTION]...\n"
    "Tarnvik Calculator: the flows and velocities an insertion flow sensor can\n"
    "measure in a pipe, for a sensor type, pipe, gas, unit and reference conditions.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's standard options are accepted too, for example -platform NAME,\n"
    "-display DISPLAY (X11) and -style NAME.\n"
    "\n"
    "The window needs a display (DISPLAY or WAYLAND_DISPLAY). Without one it says\n"
    "so and exits with status 1; xvfb-run starts it on a virtual display, and\n"
    "tarnvik-calc gives the same results on the command line.\n"
    "Exit status: 0 when the window was closed, 1 without a display, 2 for an\n"
    "unknown argument.\n";

}  // namespace

std::optional<int> HandleInformationOptions(int argc, char** argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, out);
            return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1;
        }
        if (arg == "--version") {
            std::fputs("tarnvik " TARNVIK_VERSION "\n", out);
            return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1;
        }
    }
    return std::nullopt;
}

std::optional<int> RejectLeftoverArguments(int argc, char** argv, std::FILE* err) {
    if (argc <= 1) return std::nullopt;
    std::fprintf(err, "tarnvik: unknown argument \"%s\" (tarnvik --help lists the options)\n",
                 argv[1]);
    return 2;
}

}  // namespace tarnvik::qt
