// The fixed gas table and the gas list offered in the window.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace tarnvik {

// A gas name of at most nine characters, stored with its terminator.
struct GasEntry {
    std::array<char, 10> name{};
    float gasConstant = 0.0f;  // J/(kg K)

    std::string_view Name() const { return std::string_view(name.data()); }
};

inline constexpr int kGasTableRows = 14;
extern const GasEntry GasTable[kGasTableRows];

// The offered gases: the table without "Steam", with room for every table
// row. Only the filled slots are valid list positions.
struct GasList {
    std::vector<GasEntry> entries;
    int filled = 0;

    // Null for a position outside the filled slots.
    const GasEntry* At(int position) const {
        if (position < 0 || position >= filled) return nullptr;
        return &entries[static_cast<std::size_t>(position)];
    }
};

// Builds the gas list from the table.
class CGasInfo {
  public:
    CGasInfo() : gasCount(kGasTableRows) {}

    void BuildGasList(GasList& list) const;

    int gasCount;
};

// Number of gas list entries offered for a sensor type.
int VisibleGasCountFor(int sensor, int gasCount);

// Gas list positions the window treats specially.
inline constexpr int kGasAir = 0;
inline constexpr int kGasHelium = 4;
inline constexpr int kGasHydrogen = 5;

}  // namespace tarnvik
