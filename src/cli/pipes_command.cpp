#include "cli/pipes_command.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/command_line.h"
#include "cli/result_output.h"
#include "cli/text_table.h"
#include "sizing/message_text.h"
#include "sizing/pipe_standards.h"

namespace tarnvik::cli {

namespace {

using sizing::PipeSize;
using sizing::PipeStandard;

Json PipeJson(const PipeSize& p) {
    Json object = Json::object();
    object["standard"] = p.standard->name;
    object["pipe"] = p.name;
    object["outsideDiameter"] = p.outsideText;
    object["wall"] = p.wallText;
    object["innerDiameter"] = p.innerText;
    return object;
}

// One table per standard under its edition and title.
void PrintText(std::ostream& out, const std::vector<const PipeStandard*>& standards) {
    using A = TextTable::Align;
    bool first = true;
    for (const PipeStandard* s : standards) {
        if (!first) out << '\n';
        first = false;
        out << s->edition << ", " << s->title << '\n';
        TextTable table({A::Left, A::Right, A::Right, A::Right});
        table.AddRow({"Pipe", "Outside diameter (mm)", "Wall (mm)", "Inner diameter (mm)"});
        for (const PipeSize* p : sizing::PipesOf(*s))
            table.AddRow({p->name, p->outsideText, p->wallText, p->innerText});
        table.Print(out, "  ");
    }
}

}  // namespace

void PipesCommand::Add(CLI::App& parent) {
    app_ = parent.add_subcommand(
        "pipes", "the pipe sizes --pipe takes: outside diameter, wall, inner diameter");
    app_->add_option("--standard", standard_,
                     "only this standard: EN 10255, ASME B36.10M or ASME B36.19M")
        ->type_name("ID");
    CLI::Option* csv = app_->add_flag_callback(
        "--csv", [this] { format_ = Format::Csv; }, "comma-separated values with a header line");
    CLI::Option* json = app_->add_flag_callback(
        "--json", [this] { format_ = Format::Json; }, "a JSON array of pipe objects");
    csv->excludes(json);
    app_->footer(
        "The inner diameter is the outside diameter less twice the wall, exactly as the "
        "standard's dimensions give them; --pipe types it into the diameter box.");
}

bool PipesCommand::Parsed() const {
    return app_ != nullptr && app_->parsed();
}

int PipesCommand::Run(std::ostream& out, std::ostream& err) const {
    std::vector<const PipeStandard*> standards;
    if (app_->count("--standard") > 0) {
        const PipeStandard* s = sizing::FindPipeStandard(standard_);
        if (!s) {
            std::vector<std::string> known;
            for (const PipeStandard& k : sizing::PipeStandards()) known.emplace_back(k.name);
            err << "tarnvik-calc: pipes: --standard " << sizing::Quoted(standard_)
                << " is unknown; known: " << Join(known) << '\n';
            return kExitUsage;
        }
        standards.push_back(s);
    } else {
        for (const PipeStandard& s : sizing::PipeStandards()) standards.push_back(&s);
    }

    switch (format_) {
        case Format::Text:
            PrintText(out, standards);
            break;
        case Format::Csv: {
            bool header = true;
            for (const PipeStandard* s : standards) {
                for (const PipeSize* p : sizing::PipesOf(*s)) {
                    if (header) out << CsvLine(PipeJson(*p), true) << '\n';
                    header = false;
                    out << CsvLine(PipeJson(*p), false) << '\n';
                }
            }
            break;
        }
        case Format::Json: {
            Json array = Json::array();
            for (const PipeStandard* s : standards)
                for (const PipeSize* p : sizing::PipesOf(*s)) array.push_back(PipeJson(*p));
            out << DumpPretty(array) << '\n';
            break;
        }
    }
    return kExitOk;
}

}  // namespace tarnvik::cli
