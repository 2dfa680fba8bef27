// Flow units, flow types and reference modes: their radios, captions,
// unit texts and decimals.
#pragma once

#include <span>
#include <string_view>

namespace tarnvik {

enum class ReferenceMode { Standard, Norm, Custom };

struct UnitInfo {
    int code;   // UnitCode
    int radio;  // control id of its radio
    std::string_view caption;
    bool mass;
    float velocityFactor;  // 196.85 turns m/s into ft/min for cfm
    // Volume units: flow and velocity texts by reference mode
    // (standard, norm, custom); mass units: the same text three times.
    std::string_view flowText[3];
    std::string_view velocityText[3];
    std::string_view cutoffUnitText;
};

// In radio-group order of the window.
std::span<const UnitInfo> Units();
const UnitInfo* FindUnitByCode(int code);
const UnitInfo* FindUnitByRadio(int radio);

struct FlowTypeInfo {
    int value;  // FlowType
    int radio;
    std::string_view caption;
};
std::span<const FlowTypeInfo> FlowTypes();

// Decimals of the shown flows and velocities for a unit code.
void UnitDecimals(int unitCode, int& flowDecimals, int& velocityDecimals);

}  // namespace tarnvik
