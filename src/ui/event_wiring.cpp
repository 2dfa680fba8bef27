#include "ui/event_wiring.h"

#include "core/control_ids.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

namespace {

using platform::Event;
using D = CTarnvikDlg;

constexpr EventWiring kWiring[] = {
    {id::kSensorType, Event::SelectionChanged, [](D& d) { d.OnSensorTypeChanged(); }},
    {id::kSection, Event::SelectionChanged, [](D& d) { d.OnSectionChanged(); }},
    {id::kRange, Event::SelectionChanged, [](D& d) { d.OnRangeChanged(); }},
    {id::kCutoffList, Event::SelectionChanged, [](D& d) { d.OnCutoffChanged(); }},
    {id::kGasType, Event::SelectionChanged, [](D& d) { d.OnGasChanged(); }},

    {id::kDiameter, Event::TextChanged, [](D& d) { d.Recalculate(); }},
    {id::kReferenceTemperature, Event::TextChanged,
     [](D& d) { d.OnReferenceTemperatureChanged(); }},
    {id::kReferencePressure, Event::TextChanged, [](D& d) { d.OnReferencePressureChanged(); }},
    {id::kGasConstant, Event::TextChanged, [](D& d) { d.OnGasConstantChanged(); }},
    {id::kProcessPressure, Event::TextChanged, [](D& d) { d.OnProcessPressureChanged(); }},
    {id::kProcessTemperature, Event::TextChanged, [](D& d) { d.Recalculate(); }},
    {id::kProcessHumidity, Event::TextChanged, [](D& d) { d.Recalculate(); }},
    {id::kInletPressure, Event::TextChanged, [](D& d) { d.Recalculate(); }},
    {id::kInletTemperature, Event::TextChanged, [](D& d) { d.Recalculate(); }},
    {id::kInletHumidity, Event::TextChanged, [](D& d) { d.Recalculate(); }},

    {id::kUnitM3h, Event::Clicked, [](D& d) { d.SelectUnit(14); }},
    {id::kUnitM3min, Event::Clicked, [](D& d) { d.SelectUnit(15); }},
    {id::kUnitLmin, Event::Clicked, [](D& d) { d.SelectUnit(16); }},
    {id::kUnitLs, Event::Clicked, [](D& d) { d.SelectUnit(17); }},
    {id::kUnitCfm, Event::Clicked, [](D& d) { d.SelectUnit(18); }},
    {id::kUnitKgh, Event::Clicked, [](D& d) { d.SelectUnit(52); }},
    {id::kUnitKgmin, Event::Clicked, [](D& d) { d.SelectUnit(53); }},
    {id::kUnitKgs, Event::Clicked, [](D& d) { d.SelectUnit(46); }},
    {id::kUnitLbh, Event::Clicked, [](D& d) { d.SelectUnit(118); }},
    {id::kUnitTh, Event::Clicked, [](D& d) { d.SelectUnit(117); }},

    {id::kFlowTypeFlow, Event::Clicked, [](D& d) { d.SelectFlowType(0); }},
    {id::kFlowTypeActual, Event::Clicked, [](D& d) { d.SelectFlowType(1); }},
    {id::kFlowTypeFad, Event::Clicked, [](D& d) { d.SelectFlowType(2); }},
    {id::kFlowTypeDryAir, Event::Clicked, [](D& d) { d.SelectFlowType(3); }},

    {id::kStandardReference, Event::Clicked, [](D& d) { d.SelectStandardReference(); }},
    {id::kNormReference, Event::Clicked, [](D& d) { d.SelectNormReference(); }},
    {id::kCustomReference, Event::Clicked, [](D& d) { d.SelectCustomReference(); }},

    {0, Event::OkCommand, [](D& d) { d.OnOK(); }},
    {0, Event::CancelCommand, [](D& d) { d.OnCancel(); }},
};

// The wiring table turned into a direct (id, event) lookup.
struct DispatchTable {
    WiredHandler handlers[platform::kEventRows][platform::kEventCount]{};
    platform::HandledEvents handled;
};

constexpr DispatchTable BuildDispatchTable() {
    DispatchTable table;
    for (const EventWiring& w : kWiring) {
        const int row = platform::EventRowOf(w.id);
        // Thrown while the table is built at compile time, so a wiring
        // row outside the id range or a second handler for one event
        // stops the build.
        if (row < 0) throw "control id outside the id range";
        WiredHandler& slot = table.handlers[row][static_cast<int>(w.event)];
        if (slot) throw "two handlers for one event";
        slot = w.handler;
        table.handled.Add(w.id, w.event);
    }
    return table;
}

constexpr DispatchTable kDispatch = BuildDispatchTable();

}  // namespace

std::span<const EventWiring> MainEventWiring() {
    return kWiring;
}

WiredHandler HandlerFor(int id, Event event) {
    const int row = platform::EventRowOf(id);
    if (row < 0) return nullptr;
    return kDispatch.handlers[row][static_cast<int>(event)];
}

const platform::HandledEvents& MainHandledEvents() {
    return kDispatch.handled;
}

}  // namespace tarnvik
