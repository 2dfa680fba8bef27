// tarnvik-calc sheet: the sizing sheet of one calculation, a printable
// HTML page with the inputs, the results and the range chart of the
// chosen sensor type, written to a file or to standard output.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "sizing/window_options.h"

namespace CLI {
class App;
}

namespace tarnvik::cli {

// The date printed on a sheet, YYYY-MM-DD. sourceDateEpoch is the
// SOURCE_DATE_EPOCH of the environment (null or empty: not set): a
// whole number of seconds since 1970 whose date is taken in UTC, so that
// a page can be made again byte for byte; without it, today's local date.
// error is set for a value that is not such a number.
struct SheetDate {
    std::string date;
    std::string error;
};
SheetDate SheetDateOf(const char* sourceDateEpoch);

class SheetCommand {
  public:
    // The subcommand with the sheet's own options; the caller adds the
    // calculator's options and --pipe to the returned app.
    CLI::App& Add(CLI::App& parent);
    bool Parsed() const;

    // values and pipe as for the calculator.
    int Run(sizing::OptionValues values, const std::optional<std::string>& pipe,
            const char* sourceDateEpoch, std::ostream& out, std::ostream& err) const;

  private:
    CLI::App* app_ = nullptr;
    std::string title_ = "Sizing sheet";
    std::string project_;
    std::string tag_;
    std::string customer_;
    std::string output_;
};

}  // namespace tarnvik::cli
