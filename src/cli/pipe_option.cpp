#include "cli/pipe_option.h"

#include <CLI/CLI.hpp>

namespace tarnvik::cli {

PipeChoice ChoosePipe(std::string_view name, std::string_view optionName) {
    const sizing::PipeLookup found = sizing::FindPipe(name);
    if (!found) return {nullptr, std::string(optionName) + ": " + found.error.message};
    return {found.pipe, ""};
}

std::string TypePipe(std::string_view name, std::string_view optionPrefix,
                     sizing::OptionValues& values, std::string& canonical) {
    const std::string pipeName = std::string(optionPrefix) + "pipe";
    if (values[sizing::Opt::Diameter])
        return pipeName + " and " + std::string(optionPrefix) +
               "diameter cannot be given together: the pipe sets the diameter";
    const PipeChoice choice = ChoosePipe(name, pipeName);
    if (!choice.pipe) return choice.error;
    values[sizing::Opt::Diameter] = choice.pipe->innerText;
    canonical = choice.pipe->name;
    return "";
}

std::string ApplyWithPipe(sizing::WindowSession& session, sizing::OptionValues& values,
                          const std::optional<std::string>& pipe, std::string& canonical,
                          std::string_view optionPrefix) {
    if (pipe) {
        if (std::string e = TypePipe(*pipe, optionPrefix, values, canonical); !e.empty()) return e;
    }
    if (auto error = session.Apply(values)) {
        error->NamePipe(canonical);
        return error->Describe(optionPrefix);
    }
    return "";
}

bool DiameterList::AnyPipe() const {
    for (const std::string& p : pipes)
        if (!p.empty()) return true;
    return false;
}

void PipeOption::Add(CLI::App& app, bool repeatable) {
    app_ = &app;
    std::string help =
        "pipe by trade name (\"NPS 2 Sch 40\", \"2in sch40\", \"DN50 M\"): its inner "
        "diameter instead of --diameter; see tarnvik-calc pipes";
    if (repeatable) help += "; may be repeated, mixed with --diameter";
    option_ = app.add_option("--pipe", names_, help)->type_name("NAME");
    if (!repeatable) option_->expected(1)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

bool PipeOption::Given() const {
    return option_ != nullptr && option_->count() > 0;
}

std::optional<std::string> PipeOption::Name() const {
    if (!Given() || names_.empty()) return std::nullopt;
    return names_.front();
}

std::string PipeOption::Merge(const std::vector<std::string>& diameters, DiameterList& list) const {
    const CLI::Option* diameter = app_ ? app_->get_option_no_throw("--diameter") : nullptr;
    std::size_t nextDiameter = 0;
    std::size_t nextPipe = 0;
    for (const CLI::Option* given : app_ ? app_->parse_order() : std::vector<CLI::Option*>{}) {
        if (given == diameter && nextDiameter < diameters.size()) {
            list.diameters.push_back(diameters[nextDiameter++]);
            list.pipes.emplace_back();
        } else if (given == option_ && nextPipe < names_.size()) {
            const PipeChoice choice = ChoosePipe(names_[nextPipe++], "--pipe");
            if (!choice.pipe) return choice.error;
            list.diameters.push_back(choice.pipe->innerText);
            list.pipes.push_back(choice.pipe->name);
        }
    }
    return "";
}

}  // namespace tarnvik::cli
