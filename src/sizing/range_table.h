// The range table: every measuring section and range of one sensor type,
// each row from its own fresh window driven with the same options.
#pragma once

#include <string>
#include <vector>

#include "sizing/sizing_row.h"
#include "sizing/window_options.h"

namespace tarnvik::sizing {

struct TableRequest {
    // Window options by name; "sensor" is required, "section", "range"
    // and "diameter" are not taken.
    std::vector<OptionText> options;
    // A type with a free diameter takes one set of rows per diameter (the
    // window's first diameter without any). A type with sections takes
    // none: the first is typed, and the window's answer is the error.
    std::vector<std::string> diameters;
    // How messages name an option: "--sensor" or "sensor".
    std::string optionPrefix = "--";
};

struct TableResult {
    // Set when the request is invalid or an option cannot be applied to a
    // row; no rows then.
    std::string error;
    std::vector<SizingRow> rows;  // by section or diameter, then range
};

TableResult RangeTable(const TableRequest& request);

}  // namespace tarnvik::sizing
