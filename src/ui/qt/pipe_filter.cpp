#include "pipe_filter.h"

#include <algorithm>
#include <cctype>

namespace tarnvik::qt {

namespace {

std::string Folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isspace(u)) out += static_cast<char>(std::tolower(u));
    }
    return out;
}

bool HasPart(const sizing::PipeSize& pipe, const std::string& part) {
    const std::string names =
        Folded(std::string(pipe.standard->name) + "|" + pipe.name + "|" + pipe.designation);
    return names.find(part) != std::string::npos;
}

}  // namespace

PipeFilter FilterPipes(std::string_view text) {
    PipeFilter filter;
    const std::string part = Folded(text);
    if (part.empty()) {
        for (const sizing::PipeSize& pipe : sizing::AllPipes()) filter.pipes.push_back(&pipe);
        return filter;
    }
    const sizing::PipeLookup lookup = sizing::FindPipe(text);
    if (lookup) {
        filter.pipes.push_back(lookup.pipe);
        filter.exact = true;
        return filter;
    }
    for (const sizing::PipeSize& pipe : sizing::AllPipes())
        if (HasPart(pipe, part)) filter.pipes.push_back(&pipe);
    if (!filter.pipes.empty()) return filter;

    const auto& near = lookup.error.candidates;
    for (const sizing::PipeSize& pipe : sizing::AllPipes())
        if (std::find(near.begin(), near.end(), pipe.name) != near.end())
            filter.pipes.push_back(&pipe);
    filter.note = lookup.error.reason;  // the list shows the near matches
    return filter;
}

}  // namespace tarnvik::qt
