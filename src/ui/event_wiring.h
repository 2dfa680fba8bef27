// The calculator window's event wiring: which handler runs for which event
// of which control. Every other event gets the toolkit's default handling.
#pragma once

#include <span>

#include "platform/dialog.h"

namespace tarnvik {

class CTarnvikDlg;

struct EventWiring {
    int id;  // 0 for the OK and cancel commands
    platform::Event event;
    void (*handler)(CTarnvikDlg&);
};

std::span<const EventWiring> MainEventWiring();

}  // namespace tarnvik
