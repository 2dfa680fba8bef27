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

// The message without the list of the near matches at its end: the list
// shows them.
std::string WithoutNames(std::string message, const std::vector<std::string>& names) {
    if (names.empty()) return message;
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    const std::string tail = ": " + list;
    if (message.size() > tail.size() &&
        message.compare(message.size() - tail.size(), tail.size(), tail) == 0)
        message.resize(message.size() - tail.size());
    return message;
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
    filter.note = WithoutNames(lookup.error.message, near);
    return filter;
}

}  // namespace tarnvik::qt
