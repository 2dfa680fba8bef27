// Sensor types are identified by their position in the sensor list and
// by nothing else; these names make the branches on it readable.
#pragma once

namespace tarnvik {

inline constexpr int kSensorCount = 10;

inline constexpr int kQA10 = 0;
inline constexpr int kQA20 = 1;
inline constexpr int kQA30 = 2;
inline constexpr int kQA40 = 3;
inline constexpr int kQA50 = 4;
inline constexpr int kQA60 = 5;
inline constexpr int kQA70 = 6;
inline constexpr int kQA80 = 7;
inline constexpr int kQA20V = 8;
inline constexpr int kQA90 = 9;

// QA70 and QA90 measure at process conditions: flow types, cut-off
// velocity and process boxes apply to them only.
constexpr bool IsProcessSensor(int sensor) {
    return sensor == kQA70 || sensor == kQA90;
}

}  // namespace tarnvik
