#include "gases/gas_table.h"

#include "sensors/sensor_positions.h"

namespace tarnvik {

namespace {
constexpr GasEntry Gas(std::string_view name, float constant) {
    GasEntry e;
    for (std::size_t i = 0; i < name.size() && i + 1 < e.name.size(); ++i) e.name[i] = name[i];
    e.gasConstant = constant;
    return e;
}
}  // namespace

const GasEntry GasTable[kGasTableRows] = {
    Gas("Air", 287.0f),    Gas("N2", 296.8f),     Gas("Ar", 208.0f),  Gas("CO2", 188.9f),
    Gas("He", 2077.27f),   Gas("H2", 4124.0f),    Gas("CH4", 518.3f), Gas("Propane", 188.9f),
    Gas("Butane", 143.0f), Gas("O2", 259.8f),     Gas("N2O", 187.8f), Gas("Nat. gas", 446.0f),
    Gas("Steam", 287.0f),  Gas("Others", 287.0f),
};

void CGasInfo::BuildGasList(GasList& list) const {
    list.entries.assign(static_cast<std::size_t>(gasCount), GasEntry{});
    list.filled = 0;
    for (int r = 0; r < gasCount && r < kGasTableRows; ++r) {
        if (GasTable[r].Name() == "Steam") continue;
        list.entries[static_cast<std::size_t>(list.filled++)] = GasTable[r];
    }
}

int VisibleGasCountFor(int sensor, int gasCount) {
    if (sensor == kQA10) return 2;
    if (sensor == kQA20V) return 1;
    return gasCount - 1;
}

}  // namespace tarnvik
