// The calculation as text for the clipboard: one line per input and per
// result, "label TAB value TAB unit", so that it pastes into a spreadsheet
// as three columns.
#pragma once

#include <string>

#include "ui/calculation_context.h"

namespace tarnvik::sizing {

// Inputs first, then the five results, in the context's order. An input's
// unit is the one its caption ends with ("Process pressure (bar(g))" gives
// "Process pressure" and "bar(g)"); radios show their caption. A tab or a
// line break inside a text becomes a space, so no cell spills into the
// next. Lines end with "\n".
std::string ResultsClipboardText(const CalculationContext& context);

}  // namespace tarnvik::sizing
