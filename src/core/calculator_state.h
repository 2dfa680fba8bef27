// Everything the calculator window keeps for the calculation: the texts
// bound to its boxes, the last results and the selector values. One
// instance lives in each window, so any number of windows can coexist.
#pragma once

#include <string>

#include "gases/gas_table.h"

namespace tarnvik {

struct CalculatorState {
    // Bound texts, in transfer order.
    std::string diameterText;              // 1000
    std::string maxFlowText;               // 1001
    std::string maxFlowUnitText;           // 1002
    std::string profileFactorText;         // 1005
    std::string referenceTemperatureText;  // 1008
    std::string referencePressureText;     // 1016
    std::string maxVelocityText;           // 1007
    std::string processPressureText;       // 1009
    std::string gasConstantText;           // 1017
    std::string processTemperatureText;    // 1022
    std::string velocityUnitText;          // 1010

    float diameter = 0.0f;        // mm
    float maxFlow = 0.0f;         // selected unit
    float minFlow = 0.0f;         // selected unit
    float maxVelocity = 0.0f;     // shown value, already times velocityFactor
    float velocityFactor = 0.0f;  // 196.85 for cfm (m/s to ft/min), else 1

    int CalculationEnabled = 0;  // recalculation does nothing until start-up ends
    float CutoffFactor = 0.0f;   // 20 or 30 from the cut-off list
    float CutoffVelocity = 0.0f;
    int SensorIndex = 0;  // 0..9
    int UnitCode = 0;     // 14 m3/h ... 118 lb/h
    int FlowType = 0;     // 0 Flow, 1 Act. flow, 2 FAD, 3 Dry air flow
    bool standardReference = false;
    bool normReference = false;

    GasList gasList;
    int GasCount = 0;
    int VisibleGasCount = 0;

    // Completed recalculations (those that ran past the enabled check);
    // lets tests and benchmarks see how often the window recalculated.
    long recalculations = 0;
};

}  // namespace tarnvik
