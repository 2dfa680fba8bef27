// --pipe NAME: a pipe by its trade name ("NPS 2 Sch 40", "2in sch40",
// "DN50 M") in the place of --diameter. Its inner diameter, as the
// standard's dimensions give it ("52.48"), is typed into the diameter box.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sizing/pipe_standards.h"
#include "sizing/window_options.h"
#include "sizing/window_session.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace tarnvik::cli {

// The pipe a name means, or why it names no single pipe (the near matches
// included); optionName is how the message names the option: "--pipe".
struct PipeChoice {
    const sizing::PipeSize* pipe = nullptr;
    std::string error;  // set when pipe is null
};
PipeChoice ChoosePipe(std::string_view name, std::string_view optionName);

// For the calculator and a batch line: types the pipe's inner diameter as
// the diameter option. Sets canonical to the pipe's name; an error text
// when the name names no single pipe or a diameter is given as well.
// optionPrefix is "--" on the command line and "" for a batch key.
std::string TypePipe(std::string_view name, std::string_view optionPrefix,
                     sizing::OptionValues& values, std::string& canonical);

// Drives a fresh (or freshly reset) window with values, the pipe (when
// given) typed as the diameter, which values then holds, as the
// calculator, the sheet and a batch line do; the message of what went
// wrong (naming the pipe where its diameter was refused), or empty.
// Messages name options with optionPrefix: "--", or "" for a batch line.
std::string ApplyWithPipe(sizing::WindowSession& session, sizing::OptionValues& values,
                          const std::optional<std::string>& pipe, std::string& canonical,
                          std::string_view optionPrefix = "--");

// Diameters to try in the order given, each with the pipe it came from.
struct DiameterList {
    std::vector<std::string> diameters;  // as typed into the diameter box
    std::vector<std::string> pipes;      // canonical name, "" for a diameter given as a number
    bool AnyPipe() const;
};

// --pipe on one (sub)command, beside the --diameter it already has.
class PipeOption {
  public:
    // repeatable: a list, as table and find take; otherwise one pipe.
    void Add(CLI::App& app, bool repeatable);

    bool Given() const;
    // The one pipe of a command that takes one, when given.
    std::optional<std::string> Name() const;
    // --diameter and --pipe values merged in the order of the command
    // line, each pipe looked up; an error text for a name that names no
    // single pipe.
    std::string Merge(const std::vector<std::string>& diameters, DiameterList& list) const;

  private:
    CLI::App* app_ = nullptr;
    CLI::Option* option_ = nullptr;
    std::vector<std::string> names_;
};

}  // namespace tarnvik::cli
