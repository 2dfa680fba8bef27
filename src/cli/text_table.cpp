#include "cli/text_table.h"

#include <algorithm>

namespace tarnvik::cli {

namespace {

// Display width of a UTF-8 text: every byte that does not continue a
// character counts, so "°C" is two columns wide like it shows.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

void TextTable::Print(std::ostream& out, const std::string& indent) const {
    std::vector<std::size_t> width(align_.size(), 0);
    for (const auto& row : rows_)
        for (std::size_t c = 0; c < row.size() && c < width.size(); ++c)
            width[c] = std::max(width[c], Width(row[c]));

    std::string line;
    for (const auto& row : rows_) {
        line.clear();
        for (std::size_t c = 0; c < align_.size(); ++c) {
            if (width[c] == 0) continue;  // a column empty in every row takes no room
            const std::string cell = c < row.size() ? row[c] : std::string();
            const std::string pad(width[c] - Width(cell), ' ');
            if (!line.empty()) line += "  ";
            line += align_[c] == Align::Right ? pad + cell : cell + pad;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << indent << line << '\n';
    }
}

}  // namespace tarnvik::cli
