// The window program's own command line: --help and --version, which work
// without a display, and the rejection of arguments nobody takes.
#pragma once

#include <cstdio>
#include <optional>

namespace tarnvik::qt {

// Prints the help (--help, -h) or the version (--version) to out and
// returns the exit status, or nullopt when the window should start.
std::optional<int> HandleInformationOptions(int argc, char** argv, std::FILE* out);

// After QApplication took the arguments it knows (-platform, -style, ...):
// an argument left over is reported on err; returns the exit status 2
// then, else nullopt.
std::optional<int> RejectLeftoverArguments(int argc, char** argv, std::FILE* err);

}  // namespace tarnvik::qt
