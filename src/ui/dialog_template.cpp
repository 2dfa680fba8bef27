#include "ui/dialog_template.h"

namespace tarnvik {

namespace {

using K = platform::ControlKind;
using platform::kNoId;

// In template order: that order is the tab order among the tab stops and
// decides the radio groups (a group mark starts a run up to the next one).
const platform::TemplateRow kRows[] = {
    {1003, K::Radio, "m3/h", 187, 209, 35, 10, true, false},     // 1
    {1006, K::Radio, "m3/min", 187, 222, 37, 10, false, false},  // 2
    {1004, K::Radio, "l/min", 187, 236, 30, 10, false, false},   // 3
    {1012, K::Radio, "l/s", 187, 250, 24, 10, false, false},     // 4
    {1011, K::Radio, "cfm", 234, 209, 31, 10, false, false},     // 5
    {1013, K::Radio, "kg/h", 234, 222, 32, 10, false, false},    // 6
    {1014, K::Radio, "kg/min", 234, 236, 37, 10, false, false},  // 7
    {1015, K::Radio, "kg/s", 234, 250, 32, 10, false, false},    // 8
    {1034, K::Radio, "lb/h", 234, 265, 32, 10, false, false},    // 9
    {1035, K::Radio, "t/h", 187, 265, 32, 10, false, false},     // 10
    {1045, K::Combo, "", 25, 30, 73, 92, false, true},           // 11 sensor type
    {1000, K::InputBox, "", 25, 111, 73, 12, false, true},       // 12 pipe inner diameter
    {1008, K::InputBox, "", 113, 295, 41, 12, false, true},      // 13 reference temperature
    {1016, K::InputBox, "", 113, 311, 41, 12, false, true},      // 14 reference pressure
    {1044, K::Combo, "", 112, 212, 44, 137, false, true},        // 15 gas type
    {kNoId, K::Label, "Pipe inner diameter (mm)", 24, 101, 77, 8, true, false},  // 16
    {1043, K::Label, "Max. flow", 155, 37, 66, 18, true, false},                 // 17
    {1001, K::OutputBox, "", 301, 37, 62, 19, false, true},                      // 18 maximum flow
    {1002, K::OutputBox, "", 383, 37, 48, 19, false, true},                  // 19 maximum flow unit
    {kNoId, K::Label, "Profile factor", 24, 130, 40, 8, true, false},        // 20
    {1005, K::OutputBox, "", 25, 140, 73, 12, false, true},                  // 21 profile factor
    {kNoId, K::GroupBox, "Flow unit", 175, 198, 107, 84, false, false},      // 22
    {1055, K::Label, "Reference temperature", 19, 296, 75, 8, true, false},  // 23
    {kNoId, K::Label, "Gas type", 23, 214, 43, 8, true, false},              // 24
    {1054, K::Label, "Reference pressure (hPa)", 19, 312, 92, 8, true, false},     // 25
    {kNoId, K::Label, "Sensor type", 25, 19, 45, 8, true, false},                  // 26
    {kNoId, K::GroupBox, "Medium and Reference", 7, 198, 160, 136, false, false},  // 27
    {1050, K::Label, "Max. velocity", 155, 102, 90, 18, true, false},              // 28
    {1007, K::OutputBox, "", 301, 103, 61, 18, false, true},                  // 29 maximum velocity
    {kNoId, K::Label, "Gas constant (J/kg*K)", 23, 230, 76, 8, true, false},  // 30
    {1017, K::InputBox, "", 112, 228, 43, 12, false, true},                   // 31 gas constant
    {1009, K::InputBox, "", 395, 212, 43, 12, false, true},                   // 32 process pressure
    {kNoId, K::Label, "Process pressure (bar(g))", 303, 214, 88, 8, true, false},  // 33
    {kNoId, K::GroupBox, "Process conditions", 294, 198, 163, 109, false, false},  // 34
    {1022, K::InputBox, "", 395, 227, 43, 12, false, true},  // 35 process temperature
    {kNoId, K::Label, "Process temperature (°C)", 303, 229, 87, 8, true, false},  // 36
    {1010, K::OutputBox, "", 383, 103, 45, 18, false, true},      // 37 velocity unit
    {1023, K::OutputBox, "", 301, 137, 61, 17, false, true},      // 38 cut-off velocity
    {1024, K::OutputBox, "", 383, 138, 46, 17, false, true},      // 39 cut-off velocity unit
    {1049, K::Label, "Min. flow", 155, 70, 59, 18, true, false},  // 40
    {1028, K::OutputBox, "", 301, 70, 61, 18, false, true},       // 41 minimum flow
    {1029, K::OutputBox, "", 383, 70, 47, 18, false, true},       // 42 minimum flow unit
    {1030, K::InputBox, "", 395, 241, 43, 12, false, true},       // 43 process humidity
    {kNoId, K::Label, "Process humidity (%)", 303, 244, 72, 8, true, false},  // 44
    {1031, K::InputBox, "", 395, 257, 43, 12, false, true},                   // 45 inlet pressure
    {kNoId, K::Label, "Inlet pressure (bar(a))", 303, 260, 77, 8, true, false},  // 46
    {1032, K::InputBox, "", 395, 272, 43, 12, false, true},  // 47 inlet temperature
    {kNoId, K::Label, "Inlet temperature (°C)", 303, 275, 76, 8, true, false},  // 48
    {1033, K::InputBox, "", 395, 287, 43, 12, false, true},                     // 49 inlet humidity
    {kNoId, K::Label, "Inlet humidity (%)", 303, 290, 66, 8, true, false},      // 50
    {kNoId, K::Label, "Cut-off  velocity (sm/s)", 24, 159, 72, 8, true, false},  // 51
    {1046, K::Combo, "", 25, 170, 73, 139, false, true},                 // 52 cut-off velocity
    {1036, K::Radio, "Flow", 186, 300, 35, 10, true, false},             // 53
    {1037, K::Radio, "Act. flow", 186, 313, 44, 10, false, false},       // 54
    {1038, K::Radio, "Dry air flow", 231, 314, 50, 10, false, false},    // 55
    {1039, K::Radio, "FAD", 231, 300, 32, 10, false, false},             // 56
    {kNoId, K::GroupBox, "Flow type", 175, 285, 107, 48, false, false},  // 57
    {1027, K::Label, "", 228, 176, 129, 8, true, false},                 // 58 status line
    {1047, K::Combo, "", 25, 57, 73, 243, false, true},                  // 59 measuring section
    {kNoId, K::Label, "Measuring section", 25, 47, 59, 8, true, false},  // 60
    {kNoId, K::Label, "Measuring range", 24, 74, 60, 8, true, false},    // 61
    {1048, K::Combo, "", 25, 84, 73, 243, false, true},                  // 62 measuring range
    {1040, K::Radio, "Standard reference conditions", 23, 250, 111, 10, false, false},  // 63
    {1041, K::Radio, "Norm reference conditions", 23, 264, 99, 10, false, false},       // 64
    {1042, K::Radio, "Custom reference conditions", 23, 278, 105, 10, false, false},    // 65
    {kNoId, K::GroupBox, "Sensor selection", 7, 6, 117, 182, false, false},             // 66
    {kNoId, K::Line, "", 145, 160, 308, 1, false, false},                               // 67
    {kNoId, K::Line, "", 145, 126, 307, 1, false, false},                               // 68
    {kNoId, K::Line, "", 145, 91, 307, 1, false, false},                                // 69
    {kNoId, K::Line, "", 146, 61, 305, 1, false, false},                                // 70
    {kNoId, K::Line, "", 145, 28, 307, 1, false, false},                                // 71
    {kNoId, K::GroupBox, "Calculator output", 133, 6, 323, 182, false, false},          // 72
    {1051, K::Label, "Cut-off  velocity", 155, 136, 96, 21, true, false},               // 73
    {1056, K::Label, "(°C)", 96, 296, 13, 8, true, false},                              // 74
};

}  // namespace

const platform::DialogTemplate& MainDialogTemplate() {
    static const platform::DialogTemplate t{"Tarnvik Calculator V3.3", 471, 347, kRows};
    return t;
}

}  // namespace tarnvik
