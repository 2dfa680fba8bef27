// The calculator window's event wiring: which handler runs for which event
// of which control. Every other event gets the toolkit's default handling.
#pragma once

#include <span>

#include "platform/dialog.h"

namespace tarnvik {

class CTarnvikDlg;

using WiredHandler = void (*)(CTarnvikDlg&);

struct EventWiring {
    int id;  // 0 for the OK and cancel commands
    platform::Event event;
    WiredHandler handler;
};

// The wiring table: the one place that says which handler runs for which
// event.
std::span<const EventWiring> MainEventWiring();

// The same wiring as a direct lookup, built from the table at compile
// time: the handler of an event, or null when none is wired.
WiredHandler HandlerFor(int id, platform::Event event);
// The events the table wires, for the window layer to raise only those.
const platform::HandledEvents& MainHandledEvents();

}  // namespace tarnvik
