#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/batch_options.h"
#include "cli/catalogue_listing.h"
#include "cli/find_command.h"
#include "cli/parse_errors.h"
#include "cli/pipe_option.h"
#include "cli/pipes_command.h"
#include "cli/result_output.h"
#include "cli/sheet_command.h"
#include "cli/table_command.h"
#include "sizing/option_names.h"
#include "sizing/typed_values.h"
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
above, whatever their order on the command line. A TEXT is typed into its
box and must be a number the window reads whole: a decimal point, and a
decimal comma only in --diameter (12,5). 7,5 or 7bar, which the window
would read as 7, are refused unless --as-typed is given.

--batch reads JSON Lines from stdin, one object per line whose keys are the
option names without dashes and whose values are strings or numbers, e.g.
  {"sensor":"QA70","unit":"kg/h","process-pressure":7}
A line may hold "as-typed": true; --as-typed applies to every line.
and writes one line per input line: the --json object or {"error": "..."}.
A line longer than 1 MiB, or JSON nested deeper than 100 levels, gets an
error line and is skipped.

Exit status: 0 success; 1 some batch lines failed, the input could not be
read, nothing fits (find), or the output could not be written; 2 invalid
options or values.

Examples:
  tarnvik-calc --sensor QA70 --unit kg/h --process-pressure 7
  tarnvik-calc --sensor QA30 --diameter 80 --gas CO2 --json
  tarnvik-calc table --sensor QA40 --unit m3/h
  tarnvik-calc find --unit m3/h --min-flow 5 --max-flow 400
  tarnvik-calc find --unit m3/h --min-flow 5 --max-flow 400 --pipe "NPS 3 Sch 40"
  tarnvik-calc sheet --sensor QA30 --pipe "2in sch40" --project "Hall B" -o sheet.html
  tarnvik-calc pipes --standard "ASME B36.10M")";

static_assert(kMaxLineBytes == 1024 * 1024 && kMaxJsonNesting == 100,
              "the help text names the batch limits");

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

constexpr const char* kDecimalCommaHelp =
    "with --csv: semicolons between the fields and a decimal comma in the numbers, for "
    "spreadsheets in decimal-comma locales";
constexpr const char* kDecimalCommaAlone = "--decimal-comma goes with --csv";

constexpr const char* kAsTypedHelp =
    "type each TEXT into its box as it is, even where the window reads it only in part "
    "(7,5 as 7) or not at all";

// --as-typed on one (sub)command: without it, a TEXT the window would not
// read whole is refused.
class AsTypedOption {
  public:
    void Add(CLI::App& app) { app.add_flag("--as-typed", asTyped_, kAsTypedHelp); }
    bool Given() const { return asTyped_; }
    // Spells the names in values as the window does; the message for a
    // unit text that contradicts --reference, or for the first value the
    // window would not read whole (unless --as-typed was given).
    std::string Prepare(OptionValues& values,
                        const std::vector<std::string>& diameters = {}) const {
        if (std::string problem = sizing::CanonicalNames(values, "--"); !problem.empty())
            return problem;
        if (asTyped_) return "";
        return sizing::TypedValuesProblem(values, {.optionPrefix = "--", .asTyped = "--as-typed"},
                                          diameters);
    }

  private:
    bool asTyped_ = false;
};

enum class WindowFormat { Text, Json, Csv };

int RunWindow(OptionValues values, const std::optional<std::string>& pipe, WindowFormat format,
              const CsvStyle& csv, std::ostream& out, std::ostream& err) {
    sizing::WindowSession session;
    std::string pipeName;
    if (std::string e = ApplyWithPipe(session, values, pipe, pipeName); !e.empty())
        return UsageError(err, e);
    const CalculationContext context = ReadCalculationContext(session.Window(), pipeName);
    const sizing::Results results = session.Read();
    if (format == WindowFormat::Json) {
        out << DumpLine(ResultsWithInputsJson(results, context)) << '\n';
    } else if (format == WindowFormat::Csv) {
        const Json record = CalculationRecord(&results, &context, false);
        out << CsvLine(record, true, csv) << '\n' << CsvLine(record, false, csv) << '\n';
    } else {
        PrintResultsTable(out, results);
        PrintInputs(out, context);
    }
    return kExitOk;
}

int RunBatchMode(ByteSource& in, std::ostream& out, std::ostream& err, bool asTyped,
                 const CsvStyle* csv) {
    const BatchSummary summary = RunBatch(in, out, asTyped, csv);
    if (summary.outputFailed) return kExitSomeFailed;  // reported with every mode's output
    if (!summary.readError.empty())
        err << kName << ": cannot read line " << summary.lines + 1
            << " of the input: " << summary.readError << '\n';
    if (summary.failed > 0)
        err << kName << ": " << summary.failed << " of " << summary.lines << " lines failed\n";
    return summary.failed > 0 || !summary.readError.empty() ? kExitSomeFailed : kExitOk;
}

int RunMode(int argc, const char* const* argv, ByteSource& in, std::ostream& out,
            std::ostream& err) {
    CLI::App app{
        "Flow ranges of insertion flow sensors: prints what the Tarnvik Calculator "
        "window shows for the given inputs.",
        kName};
    app.set_version_flag("--version", std::string(kName) + " " + TARNVIK_VERSION);
    app.footer(kFooter);

    WindowOptionBinding window;
    window.Add(app, {});
    PipeOption pipe;
    pipe.Add(app, false);
    AsTypedOption asTyped;
    asTyped.Add(app);
    bool json = false;
    bool batch = false;
    bool list = false;
    bool csv = false;
    bool decimalComma = false;
    CLI::Option* jsonOption = app.add_flag("--json", json, "print the results as one JSON object");
    app.add_flag("--csv", csv,
                 "comma-separated values: a header line and one row of the inputs and results "
                 "(with --batch one row per line and an error column)")
        ->excludes(jsonOption);
    app.add_flag("--decimal-comma", decimalComma, kDecimalCommaHelp);
    app.add_flag("--batch", batch, "read JSON Lines from stdin, write one JSON line each");
    app.add_flag("--list", list, "list sensor types, sections, ranges, gases and units");

    CLI::App* tableCommand = app.add_subcommand(
        "table", "every measuring section and range of one sensor type, one row each");
    WindowOptionBinding tableWindow;
    tableWindow.Add(*tableCommand, {Opt::Section, Opt::Range}, true);
    PipeOption tablePipes;
    tablePipes.Add(*tableCommand, true);
    AsTypedOption tableAsTyped;
    tableAsTyped.Add(*tableCommand);
    TableFormat tableFormat = TableFormat::Text;
    CLI::Option* tableCsv = tableCommand->add_flag_callback(
        "--csv", [&] { tableFormat = TableFormat::Csv; },
        "comma-separated values with a header line");
    CLI::Option* tableJson = tableCommand->add_flag_callback(
        "--json", [&] { tableFormat = TableFormat::Json; }, "a JSON array of row objects");
    tableCsv->excludes(tableJson);
    bool tableDecimalComma = false;
    tableCommand->add_flag("--decimal-comma", tableDecimalComma, kDecimalCommaHelp);
    tableCommand
        ->add_flag_callback(
            "--svg", [&] { tableFormat = TableFormat::Svg; },
            "an SVG chart: a bar from minimum to maximum flow per row, on a logarithmic axis")
        ->excludes(tableCsv)
        ->excludes(tableJson);
    tableCommand->footer(
        "Types with a free diameter take one row per --diameter or --pipe (or the window's "
        "first diameter) and range.");

    CLI::App* findCommand = app.add_subcommand(
        "find", "the sensor types, sections and ranges that measure a flow range");
    WindowOptionBinding findWindow;
    findWindow.Add(*findCommand, {Opt::Sensor, Opt::Section, Opt::Range}, true);
    PipeOption findPipes;
    findPipes.Add(*findCommand, true);
    AsTypedOption findAsTyped;
    findAsTyped.Add(*findCommand);
    std::string minFlow;
    std::string maxFlow;
    findCommand->add_option("--min-flow", minFlow, "smallest flow to measure, in --unit")
        ->type_name("X")
        ->required();
    findCommand->add_option("--max-flow", maxFlow, "largest flow to measure, in --unit")
        ->type_name("Y")
        ->required();
    FindFormat findFormat = FindFormat::Text;
    CLI::Option* findJson = findCommand->add_flag_callback(
        "--json", [&] { findFormat = FindFormat::Json; }, "print the findings as one JSON object");
    CLI::Option* findCsv = findCommand->add_flag_callback(
        "--csv", [&] { findFormat = FindFormat::Csv; },
        "comma-separated values: a header line and the fits, or the nearest with what they miss");
    findCsv->excludes(findJson);
    bool findDecimalComma = false;
    findCommand->add_flag("--decimal-comma", findDecimalComma, kDecimalCommaHelp);
    findCommand
        ->add_flag_callback(
            "--svg", [&] { findFormat = FindFormat::Svg; },
            "an SVG chart of the fits (or the nearest), the required range marked")
        ->excludes(findJson)
        ->excludes(findCsv);
    findCommand->footer(
        "Lists every sensor type / section / range whose minimum flow is at most X and whose "
        "maximum flow is at least Y, best fit first. Types with a free diameter are considered "
        "only with --diameter or --pipe. Exit status 1 when nothing fits.");

    PipesCommand pipesCommand;
    pipesCommand.Add(app);
    SheetCommand sheetCommand;
    CLI::App& sheetApp = sheetCommand.Add(app);
    WindowOptionBinding sheetWindow;
    sheetWindow.Add(sheetApp, {});
    PipeOption sheetPipe;
    sheetPipe.Add(sheetApp, false);
    AsTypedOption sheetAsTyped;
    sheetAsTyped.Add(sheetApp);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return ReportParseError(app, e, out, err);
    }

    const bool subcommand = tableCommand->parsed() || findCommand->parsed() ||
                            pipesCommand.Parsed() || sheetCommand.Parsed();
    const bool windowGiven = window.AnyGiven() || pipe.Given();
    if (subcommand &&
        (windowGiven || json || batch || list || asTyped.Given() || csv || decimalComma))
        return UsageError(err, "options of the calculator go after the subcommand name");
    if (tableCommand->parsed() || findCommand->parsed()) {
        DiameterList diameters;
        const bool table = tableCommand->parsed();
        const std::string e = table ? tablePipes.Merge(tableWindow.Diameters(), diameters)
                                    : findPipes.Merge(findWindow.Diameters(), diameters);
        if (!e.empty()) return UsageError(err, (table ? "" : "find: ") + e);
        const AsTypedOption& typed = table ? tableAsTyped : findAsTyped;
        OptionValues given = table ? tableWindow.Values() : findWindow.Values();
        if (std::string problem =
                typed.Prepare(given, table ? tableWindow.Diameters() : findWindow.Diameters());
            !problem.empty())
            return UsageError(err, (table ? "" : "find: ") + problem);
        const bool comma = table ? tableDecimalComma : findDecimalComma;
        const bool csvFormat =
            table ? tableFormat == TableFormat::Csv : findFormat == FindFormat::Csv;
        if (comma && !csvFormat)
            return UsageError(err, (table ? "" : "find: ") + std::string(kDecimalCommaAlone));
        const CsvStyle style = comma ? kDecimalCommaCsv : CsvStyle{};
        if (table) return RunTableCommand(given, diameters, tableFormat, style, out, err);
        return RunFindCommand(given, diameters, minFlow, maxFlow, findFormat, style, out, err);
    }
    if (pipesCommand.Parsed()) return pipesCommand.Run(out, err);
    if (sheetCommand.Parsed()) {
        OptionValues given = sheetWindow.Values();
        if (std::string problem = sheetAsTyped.Prepare(given); !problem.empty())
            return UsageError(err, problem);
        return sheetCommand.Run(given, sheetPipe.Name(), std::getenv("SOURCE_DATE_EPOCH"), out,
                                err);
    }
    if (list) {
        if (windowGiven || json || batch || asTyped.Given() || csv || decimalComma)
            return UsageError(err, "--list takes no options");
        PrintCatalogue(out);
        return kExitOk;
    }
    if (batch) {
        if (windowGiven)
            return UsageError(err, "--batch takes its options from the input lines only");
        if (decimalComma && !csv) return UsageError(err, kDecimalCommaAlone);
        const CsvStyle style = decimalComma ? kDecimalCommaCsv : CsvStyle{};
        return RunBatchMode(in, out, err, asTyped.Given(), csv ? &style : nullptr);
    }
    OptionValues given = window.Values();
    if (std::string problem = asTyped.Prepare(given); !problem.empty())
        return UsageError(err, problem);
    if (decimalComma && !csv) return UsageError(err, kDecimalCommaAlone);
    const WindowFormat format = json  ? WindowFormat::Json
                                : csv ? WindowFormat::Csv
                                      : WindowFormat::Text;
    return RunWindow(given, pipe.Name(), format, decimalComma ? kDecimalCommaCsv : CsvStyle{}, out,
                     err);
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, ByteSource& in, std::ostream& out,
                   std::ostream& err) {
    int status = RunMode(argc, argv, in, out, err);
    // A full disk or a closed pipe must not pass for success.
    out.flush();
    if (!out) {
        err << kName << ": could not write the output\n";
        status = kExitSomeFailed;
    }
    return status;
}

}  // namespace tarnvik::cli
