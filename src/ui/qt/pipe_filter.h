// Which pipes the pipe sizes list shows for what the user wrote in its
// filter box: a pipe's name as users write it, or a part of the names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sizing/pipe_standards.h"

namespace tarnvik::qt {

struct PipeFilter {
    std::vector<const sizing::PipeSize*> pipes;  // in the table's order
    bool exact = false;                          // the text names exactly this one pipe
    // Why the text names no pipe ("the pipe "2 inch" is ambiguous; add
    // the schedule or series"), without the near matches it lists, as
    // those are the pipes; empty when it names one or is part of names.
    std::string note;
};

// - nothing written: every pipe;
// - a name FindPipe reads as one pipe (`2" sch40`, `DN50 M`): that pipe;
// - a part of the standards', pipes' and walls' names, without regard to
//   case and spaces ("sch 40", "STD", "10255-H"): the pipes that have it;
// - otherwise the near matches FindPipe lists (the pipes an ambiguous
//   name fits, the neighbouring sizes), with its message as the note.
PipeFilter FilterPipes(std::string_view text);

}  // namespace tarnvik::qt
