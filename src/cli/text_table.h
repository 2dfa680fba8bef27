// Aligned plain-text tables for the human-readable outputs.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sizing/list_text.h"

namespace tarnvik::cli {

class TextTable {
  public:
    enum class Align { Left, Right };

    explicit TextTable(std::vector<Align> columns) : align_(std::move(columns)) {}

    // A row has at most one cell per column; missing cells are empty.
    void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }

    // Columns are separated by two spaces; trailing blanks are dropped.
    void Print(std::ostream& out, const std::string& indent = "") const;

  private:
    std::vector<Align> align_;
    std::vector<std::vector<std::string>> rows_;
};

// "a, b, c": the lists of the human-readable outputs.
using sizing::Join;

}  // namespace tarnvik::cli
