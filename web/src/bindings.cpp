// The JavaScript names of the library's web API (see README, "In a browser").
#include <emscripten/bind.h>

#include "sizing_api.h"
#include "window_api.h"

EMSCRIPTEN_BINDINGS(tarnvik_window) {
    using tarnvik::web::WindowApi;
    emscripten::class_<WindowApi>("Window")
        .constructor<>()
        .function("info", &WindowApi::Info)
        .function("controls", &WindowApi::Controls)
        .function("control", &WindowApi::Control)
        .function("revision", &WindowApi::Revision)
        .function("context", &WindowApi::Context)
        .function("choose", &WindowApi::Choose)
        .function("type", &WindowApi::Type)
        .function("click", &WindowApi::Click)
        .function("onMessageBox", &WindowApi::OnMessageBox)
        .function("typePipe", &WindowApi::TypePipe)
        .function("pipe", &WindowApi::Pipe)
        .function("resultsText", &WindowApi::ResultsText)
        .function("sizingSheet", &WindowApi::SizingSheet);
}

EMSCRIPTEN_BINDINGS(tarnvik_sizing) {
    emscripten::function("findSensors", &tarnvik::web::FindSensors);
    emscripten::function("rangeTable", &tarnvik::web::RangeTable);
    emscripten::function("rangeChart", &tarnvik::web::RangeChart);
    emscripten::function("pipes", &tarnvik::web::Pipes);
    emscripten::function("findPipe", &tarnvik::web::FindPipe);
}
