// What a screen reader gets from the window's widgets beyond Qt's own
// accessibility: radios that read as radio buttons in their group, and
// lists named by their label rather than by their current entry.
#pragma once

namespace tarnvik::qt {

// Installs, once per process, the accessibility interfaces of the window's
// radios (ModelRadio) and of every combo box. Call before the first widget
// is shown; interfaces are made when an assistive tool first asks.
//  - Radio: Qt reads a radio without auto-exclusivity as a check box; the
//    window's radios have none (the model decides the group's checks), so
//    they get role RadioButton, and a Label relation to the group box
//    drawn around them (the template's groups are frames, not parents).
//  - Combo box: on Linux Qt names a combo box by its current entry and
//    expects the label through a relation. The window has no buddy
//    labels; the name is the accessible name set from the template's
//    label, and the current entry is the value and the read-only text.
void InstallAccessibleInterfaces();

}  // namespace tarnvik::qt
