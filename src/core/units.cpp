#include "core/units.h"

#include "core/control_ids.h"

namespace tarnvik {

namespace {

const UnitInfo kUnits[] = {
    {14,
     id::kUnitM3h,
     "m3/h",
     false,
     1.0f,
     {"sm3/h", "Nm3/h", "m3/h"},
     {"sm/s", "Nm/s", "m/s"},
     "m/s"},
    {15,
     id::kUnitM3min,
     "m3/min",
     false,
     1.0f,
     {"sm3/min", "Nm3/min", "m3/min"},
     {"sm/s", "Nm/s", "m/s"},
     "m/s"},
    {16,
     id::kUnitLmin,
     "l/min",
     false,
     1.0f,
     {"sl/min", "Nl/min", "l/min"},
     {"sm/s", "Nm/s", "m/s"},
     "m/s"},
    {17, id::kUnitLs, "l/s", false, 1.0f, {"sl/s", "Nl/s", "l/s"}, {"sm/s", "Nm/s", "m/s"}, "m/s"},
    {18,
     id::kUnitCfm,
     "cfm",
     false,
     196.85f,
     {"scfm", "Ncfm", "cfm"},
     {"sft/min", "Nft/min", "ft/min"},
     "ft/min"},
    {52,
     id::kUnitKgh,
     "kg/h",
     true,
     1.0f,
     {"kg/h", "kg/h", "kg/h"},
     {"sm/s", "sm/s", "sm/s"},
     "m/s"},
    {53,
     id::kUnitKgmin,
     "kg/min",
     true,
     1.0f,
     {"kg/min", "kg/min", "kg/min"},
     {"sm/s", "sm/s", "sm/s"},
     "m/s"},
    {46,
     id::kUnitKgs,
     "kg/s",
     true,
     1.0f,
     {"kg/s", "kg/s", "kg/s"},
     {"sm/s", "sm/s", "sm/s"},
     "m/s"},
    {118,
     id::kUnitLbh,
     "lb/h",
     true,
     1.0f,
     {"lb/h", "lb/h", "lb/h"},
     {"sm/s", "sm/s", "sm/s"},
     "m/s"},
    {117, id::kUnitTh, "t/h", true, 1.0f, {"t/h", "t/h", "t/h"}, {"sm/s", "sm/s", "sm/s"}, "m/s"},
};

const FlowTypeInfo kFlowTypes[] = {
    {0, id::kFlowTypeFlow, "Flow"},
    {1, id::kFlowTypeActual, "Act. flow"},
    {2, id::kFlowTypeFad, "FAD"},
    {3, id::kFlowTypeDryAir, "Dry air flow"},
};

}  // namespace

std::span<const UnitInfo> Units() {
    return kUnits;
}

const UnitInfo* FindUnitByCode(int code) {
    for (const UnitInfo& u : kUnits)
        if (u.code == code) return &u;
    return nullptr;
}

const UnitInfo* FindUnitByRadio(int radio) {
    for (const UnitInfo& u : kUnits)
        if (u.radio == radio) return &u;
    return nullptr;
}

std::span<const FlowTypeInfo> FlowTypes() {
    return kFlowTypes;
}

void UnitDecimals(int unitCode, int& flowDecimals, int& velocityDecimals) {
    switch (unitCode) {
        case 46:
        case 117:
            flowDecimals = 3;
            break;
        case 53:
            flowDecimals = 2;
            break;
        default:
            flowDecimals = 1;
            break;
    }
    velocityDecimals = unitCode == 18 ? 0 : 1;
}

}  // namespace tarnvik
