// Control identifiers of the calculator window.
#pragma once

namespace tarnvik::id {

inline constexpr int kDiameter = 1000;
inline constexpr int kMaxFlow = 1001;
inline constexpr int kMaxFlowUnit = 1002;
inline constexpr int kUnitM3h = 1003;
inline constexpr int kUnitLmin = 1004;
inline constexpr int kProfileFactor = 1005;
inline constexpr int kUnitM3min = 1006;
inline constexpr int kMaxVelocity = 1007;
inline constexpr int kReferenceTemperature = 1008;
inline constexpr int kProcessPressure = 1009;
inline constexpr int kVelocityUnit = 1010;
inline constexpr int kUnitCfm = 1011;
inline constexpr int kUnitLs = 1012;
inline constexpr int kUnitKgh = 1013;
inline constexpr int kUnitKgmin = 1014;
inline constexpr int kUnitKgs = 1015;
inline constexpr int kReferencePressure = 1016;
inline constexpr int kGasConstant = 1017;
inline constexpr int kProcessTemperature = 1022;
inline constexpr int kCutoffVelocity = 1023;
inline constexpr int kCutoffVelocityUnit = 1024;
inline constexpr int kStatusLine = 1027;
inline constexpr int kMinFlow = 1028;
inline constexpr int kMinFlowUnit = 1029;
inline constexpr int kProcessHumidity = 1030;
inline constexpr int kInletPressure = 1031;
inline constexpr int kInletTemperature = 1032;
inline constexpr int kInletHumidity = 1033;
inline constexpr int kUnitLbh = 1034;
inline constexpr int kUnitTh = 1035;
inline constexpr int kFlowTypeFlow = 1036;
inline constexpr int kFlowTypeActual = 1037;
inline constexpr int kFlowTypeDryAir = 1038;
inline constexpr int kFlowTypeFad = 1039;
inline constexpr int kStandardReference = 1040;
inline constexpr int kNormReference = 1041;
inline constexpr int kCustomReference = 1042;
inline constexpr int kMaxFlowLabel = 1043;
inline constexpr int kGasType = 1044;
inline constexpr int kSensorType = 1045;
inline constexpr int kCutoffList = 1046;
inline constexpr int kSection = 1047;
inline constexpr int kRange = 1048;
inline constexpr int kMinFlowLabel = 1049;
inline constexpr int kMaxVelocityLabel = 1050;
inline constexpr int kCutoffVelocityLabel = 1051;
inline constexpr int kReferencePressureLabel = 1054;
inline constexpr int kReferenceTemperatureLabel = 1055;
inline constexpr int kDegreesLabel = 1056;

}  // namespace tarnvik::id
