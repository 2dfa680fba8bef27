#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/catalogue_listing.h"
#include "cli/find_command.h"
#include "cli/result_output.h"
#include "cli/table_command.h"
#include "sizing/window_options.h"
#include "sizing/window_session.h"

#ifndef TARNVIK_VERSION
#error "TARNVIK_VERSION must name the project version"
#endif

namespace tarnvik::cli {

namespace {

using sizing::kOptCount;
using sizing::Opt;
using sizing::OptionValues;
using sizing::WindowOption;
using sizing::WindowOptions;

constexpr const char* kName = "tarnvik-calc";

constexpr const char* kFooter =
    R"(Options are applied to a fresh window as user actions in the order listed
above, whatever their order on the command line. A TEXT is used as typed
into its box, e.g. --diameter 12,5.

--batch reads JSON Lines from stdin, one object per line whose keys are the
option names without dashes and whose values are strings, e.g.
  {"sensor":"QA70","unit":"kg/h","process-pressure":"7"}
and writes one line per input line: the --json object or {"error": "..."}.

Exit status: 0 success; 1 some batch lines failed, nothing fits (find), or
the output could not be written; 2 invalid options or values.

Examples:
  tarnvik-calc --sensor QA70 --unit kg/h --process-pressure 7
  tarnvik-calc --sensor QA30 --diameter 80 --gas CO2 --json
  tarnvik-calc table --sensor QA40 --unit m3/h
  tarnvik-calc find --unit m3/h --min-flow 5 --max-flow 400)";

// The window options of one (sub)command, bound to CLI11.
class WindowOptionBinding {
  public:
    // Options in skip are not offered; Diameter may be offered as a list.
    void Add(CLI::App& app, std::initializer_list<Opt> skip, bool diameterList = false) {
        for (const WindowOption& o : WindowOptions()) {
            if (std::find(skip.begin(), skip.end(), o.opt) != skip.end()) continue;
            const std::string flag = "--" + std::string(o.name);
            const std::string help(o.help);
            CLI::Option* added = nullptr;
            if (o.opt == Opt::Diameter && diameterList) {
                diameterList_ = true;
                added = app.add_option(flag, diameters_, help + "; may be repeated");
            } else {
                added = app.add_option(flag, text_[Index(o.opt)], help);
            }
            added->type_name(std::string(o.valueName));
            option_[Index(o.opt)] = added;
        }
    }

    // The options given once; a diameter list is read by Diameters().
    OptionValues Values() const {
        OptionValues values;
        for (const WindowOption& o : WindowOptions()) {
            const CLI::Option* added = option_[Index(o.opt)];
            if (added && added->count() > 0 && !(o.opt == Opt::Diameter && diameterList_))
                values[o.opt] = text_[Index(o.opt)];
        }
        return values;
    }

    const std::vector<std::string>& Diameters() const { return diameters_; }
    bool AnyGiven() const {
        for (const CLI::Option* o : option_)
            if (o && o->count() > 0) return true;
        return false;
    }

  private:
    static std::size_t Index(Opt o) { return static_cast<std::size_t>(o); }

    std::array<std::string, kOptCount> text_;
    std::array<CLI::Option*, kOptCount> option_{};
    std::vector<std::string> diameters_;
    bool diameterList_ = false;
};

int UsageError(std::ostream& err, const std::string& message) {
    err << kName << ": " << message << '\n';
    return kExitUsage;
}

int RunWindow(const OptionValues& values, bool json, std::ostream& out, std::ostream& err) {
    sizing::WindowSession session;
    if (auto error = session.Apply(values)) return UsageError(err, error->Describe("--"));
    if (json) {
        out << DumpLine(ResultsJson(session.Read())) << '\n';
    } else {
        PrintResultsTable(out, session.Read());
    }
    return kExitOk;
}

int RunBatchMode(std::istream& in, std::ostream& out, std::ostream& err) {
    const BatchSummary summary = RunBatch(in, out);
    if (summary.failed == 0) return kExitOk;
    err << kName << ": " << summary.failed << " of " << summary.lines << " lines failed\n";
    return kExitSomeFailed;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    CLI::App app{
        "Flow ranges of insertion flow sensors: prints what the Tarnvik Calculator "
        "window shows for the given inputs.",
        kName};
    app.set_version_flag("--version", std::string(kName) + " " + TARNVIK_VERSION);
    app.footer(kFooter);

    WindowOptionBinding window;
    window.Add(app, {});
    bool json = false;
    bool batch = false;
    bool list = false;
    app.add_flag("--json", json, "print the results as one JSON object");
    app.add_flag("--batch", batch, "read JSON Lines from stdin, write one JSON line each");
    app.add_flag("--list", list, "list sensor types, sections, ranges, gases and units");

    CLI::App* tableCommand = app.add_subcommand(
        "table", "every measuring section and range of one sensor type, one row each");
    WindowOptionBinding tableWindow;
    tableWindow.Add(*tableCommand, {Opt::Section, Opt::Range}, true);
    TableFormat tableFormat = TableFormat::Text;
    tableCommand->add_flag_callback(
        "--csv", [&] { tableFormat = TableFormat::Csv; },
        "comma-separated values with a header line");
    tableCommand->add_flag_callback(
        "--json", [&] { tableFormat = TableFormat::Json; }, "a JSON array of row objects");
    tableCommand->footer(
        "Types with a free diameter take one row per --diameter (or the window's first "
        "diameter) and range.");

    CLI::App* findCommand = app.add_subcommand(
        "find", "the sensor types, sections and ranges that measure a flow range");
    WindowOptionBinding findWindow;
    findWindow.Add(*findCommand, {Opt::Sensor, Opt::Section, Opt::Range}, true);
    std::string minFlow;
    std::string maxFlow;
    findCommand->add_option("--min-flow", minFlow, "smallest flow to measure, in --unit")
        ->type_name("X")
        ->required();
    findCommand->add_option("--max-flow", maxFlow, "largest flow to measure, in --unit")
        ->type_name("Y")
        ->required();
    bool findJson = false;
    findCommand->add_flag("--json", findJson, "print the findings as one JSON object");
    findCommand->footer(
        "Lists every sensor type / section / range whose minimum flow is at most X and whose "
        "maximum flow is at least Y, best fit first. Types with a free diameter are considered "
        "only with --diameter. Exit status 1 when nothing fits.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
    }

    const bool subcommand = tableCommand->parsed() || findCommand->parsed();
    if (subcommand && (window.AnyGiven() || json || batch || list))
        return UsageError(err, "options of the calculator go after the subcommand name");
    if (tableCommand->parsed()) {
        return RunTableCommand(tableWindow.Values(), tableWindow.Diameters(), tableFormat, out,
                               err);
    }
    if (findCommand->parsed()) {
        return RunFindCommand(findWindow.Values(), findWindow.Diameters(), minFlow, maxFlow,
                              findJson, out, err);
    }
    if (list) {
        if (window.AnyGiven() || json || batch) return UsageError(err, "--list takes no options");
        PrintCatalogue(out);
        return kExitOk;
    }
    if (batch) {
        if (window.AnyGiven())
            return UsageError(err, "--batch takes its options from the input lines only");
        return RunBatchMode(in, out, err);
    }
    return RunWindow(window.Values(), json, out, err);
}

}  // namespace tarnvik::cli
