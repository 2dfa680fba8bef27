// The library's sizing functions for JavaScript: requests and results as
// plain objects, the same finder and range table as `tarnvik-calc find`
// and `tarnvik-calc table`.
#pragma once

#include <emscripten/val.h>

#include <string>

namespace tarnvik::web {

// request: {minFlow, maxFlow, options: {unit, gas, ...}, diameters: [...]},
// flows as the user wrote them. Returns {error, fits, nearest, leftOut,
// notUsed}; a row is {sensor, section, diameter, range, results, minFlow,
// maxFlow, misses}, results keyed as `tarnvik-calc --json` keys them.
emscripten::val FindSensors(const emscripten::val& request);

// request: {options: {sensor, unit, ...}, diameters: [...]}. Returns
// {error, rows}.
emscripten::val RangeTable(const emscripten::val& request);

// request: {sensor, rows, current, required}: rows as RangeTable returns
// them; current {section, diameter, range}, the choice to highlight;
// required {low, high}, the flows as the user wrote them (left out when
// either is not a plain number). Returns the chart as an SVG text.
std::string RangeChart(const emscripten::val& request);

}  // namespace tarnvik::web
