// What a screen reader should say for each control of the calculator
// window. The template gives most inputs no caption of their own: the
// label beside a box names it. Every driver (the Qt window, the web page)
// takes the names from here, so they read the same everywhere.
#pragma once

#include <cstddef>
#include <string>

#include "platform/dialog.h"

namespace tarnvik {

struct AccessibleText {
    std::string name;         // what the control is: its label's current text
    std::string description;  // a result box's unit text; empty otherwise
    std::string group;        // a radio's group caption; empty otherwise
};

// For the control at position `index` of window.Controls(). The texts follow
// the model: a label that the window renames (the QA20-V captions) renames
// its box too.
AccessibleText DescribeControl(const platform::Dialog& window, std::size_t index);

}  // namespace tarnvik
