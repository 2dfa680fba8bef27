// The library's sizing functions for JavaScript: requests and results as
// plain objects, the same finder and range table as `tarnvik-calc find`
// and `tarnvik-calc table`.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "sizing/pipe_standards.h"

namespace tarnvik::web {

// request: {minFlow, maxFlow, options: {unit, gas, ...}, diameters: [...],
// pipes: [...]}, flows as the user wrote them; pipes, when given, holds
// one entry per diameter: the pipe's name it is the inner diameter of, ""
// for a number. Returns {error, fits, nearest, leftOut, notUsed}; a row is
// {sensor, section, diameter, pipe, range, results, minFlow, maxFlow,
// misses}, results keyed as `tarnvik-calc --json` keys them.
emscripten::val FindSensors(const emscripten::val& request);

// request: {options: {sensor, unit, ...}, diameters: [...], pipes: [...]}.
// Returns {error, rows}.
emscripten::val RangeTable(const emscripten::val& request);

// The pipe table as `tarnvik-calc pipes` lists it: [{name, standard, size,
// designation, outside, wall, inner}], millimetres as exact texts.
emscripten::val Pipes();

// The pipe a name means, as users write it ("2in sch40", "DN50 M"):
// {pipe, error, candidates}; pipe is an entry as Pipes() lists it, or null
// with the reason and the near matches' names.
emscripten::val FindPipe(const std::string& name);
// The same object for a lookup made already.
emscripten::val PipeLookupObject(const sizing::PipeLookup& found);

// request: {sensor, rows, current, required}: rows as RangeTable returns
// them; current {section, diameter, range}, the choice to highlight;
// required {low, high}, the flows as the user wrote them (left out when
// either is not a plain number). Returns the chart as an SVG text.
std::string RangeChart(const emscripten::val& request);

}  // namespace tarnvik::web
