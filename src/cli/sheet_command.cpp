#include "cli/sheet_command.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "cli/command_line.h"
#include "cli/output_file.h"
#include "cli/pipe_option.h"
#include "sizing/current_chart.h"
#include "sizing/message_text.h"
#include "sizing/sizing_sheet.h"
#include "sizing/window_session.h"
#include "ui/calculation_context.h"

#ifndef TARNVIK_VERSION
#error "TARNVIK_VERSION must name the project version"
#endif

namespace tarnvik::cli {

namespace {

constexpr const char* kName = "tarnvik-calc";
// 9999-12-31T23:59:59Z: a later date has no four-digit year.
constexpr long long kLastSecond = 253402300799LL;

std::string DateText(const std::tm& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    return text;
}

int Fail(std::ostream& err, const std::string& message, int status) {
    err << kName << ": " << message << '\n';
    return status;
}

}  // namespace

SheetDate SheetDateOf(const char* sourceDateEpoch) {
    std::tm t{};
    if (sourceDateEpoch != nullptr && *sourceDateEpoch != '\0') {
        const std::string_view text(sourceDateEpoch);
        long long seconds = -1;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        const bool digitsOnly = text.find_first_not_of("0123456789") == std::string_view::npos;
        if (!digitsOnly || ec != std::errc() || end != text.data() + text.size() ||
            seconds > kLastSecond)
            return {"", "SOURCE_DATE_EPOCH " + sizing::Quoted(text) +
                            " is not a whole number of seconds since 1970-01-01 (up to "
                            "year 9999)"};
        const std::time_t when = static_cast<std::time_t>(seconds);
        if (!gmtime_r(&when, &t)) return {"", "SOURCE_DATE_EPOCH is out of range"};
        return {DateText(t), ""};
    }
    const std::time_t now = std::time(nullptr);
    if (!localtime_r(&now, &t)) return {"", "cannot read the date"};
    return {DateText(t), ""};
}

CLI::App& SheetCommand::Add(CLI::App& parent) {
    app_ = parent.add_subcommand("sheet",
                                 "the sizing sheet of one calculation: a printable HTML page");
    app_->add_option("-o,--output", output_, "the HTML file to write; - for standard output")
        ->type_name("FILE");
    app_->add_option("--title", title_, "the sheet's title (default \"Sizing sheet\")")
        ->type_name("TEXT");
    app_->add_option("--project", project_, "project name, printed when given")->type_name("TEXT");
    app_->add_option("--tag", tag_, "measuring point tag, printed when given")->type_name("TEXT");
    app_->add_option("--customer", customer_, "customer, printed when given")->type_name("TEXT");
    app_->footer(
        "Takes the calculator's options (and --pipe), and prints on one A4 page. The date is "
        "today's, or the UTC date of SOURCE_DATE_EPOCH where that is set, for a page that can "
        "be made again byte for byte. A file is replaced only once the whole page is written.");
    return *app_;
}

bool SheetCommand::Parsed() const {
    return app_ != nullptr && app_->parsed();
}

int SheetCommand::Run(sizing::OptionValues values, const std::optional<std::string>& pipe,
                      const char* sourceDateEpoch, std::ostream& out, std::ostream& err) const {
    if (app_->count("--output") == 0 || output_.empty())
        return Fail(err, "sheet needs -o FILE.html (or -o - for standard output)", kExitUsage);
    const SheetDate date = SheetDateOf(sourceDateEpoch);
    if (!date.error.empty()) return Fail(err, date.error, kExitUsage);

    sizing::WindowSession session;
    std::string pipeName;
    if (std::string e = ApplyWithPipe(session, values, pipe, pipeName); !e.empty())
        return Fail(err, e, kExitUsage);

    sizing::SizingSheet sheet;
    sheet.title = title_;
    sheet.project = project_;
    sheet.tag = tag_;
    sheet.customer = customer_;
    sheet.date = date.date;
    sheet.version = TARNVIK_VERSION;
    sheet.context = ReadCalculationContext(session.Window(), pipeName);
    std::string chartError;
    sheet.chart = sizing::CurrentRangeChart(sheet.context, chartError);
    if (!sheet.chart) return Fail(err, "sheet: the range chart: " + chartError, kExitUsage);
    const std::string html = sizing::SizingSheetHtml(sheet);

    if (output_ == "-") {
        out << html;
        return kExitOk;
    }
    if (std::string e = WriteFileReplacing(output_, html); !e.empty())
        return Fail(err, "sheet: cannot write " + sizing::Quoted(output_) + ": " + e,
                    kExitSomeFailed);
    return kExitOk;
}

}  // namespace tarnvik::cli
