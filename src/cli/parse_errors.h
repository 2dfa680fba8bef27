// CLI11's parse errors as the command line reports them, with the
// arguments they quote bounded.
#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

namespace tarnvik::cli {

// Prints the help (status 0) or the error (status 2), as CLI11 does.
int ReportParseError(const CLI::App& app, const CLI::ParseError& e, std::ostream& out,
                     std::ostream& err);

}  // namespace tarnvik::cli
