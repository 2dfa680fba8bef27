// What must hold for the calculator window after any sequence of user
// actions, checked independently of how the window got there.
#pragma once

#include <string>

#include "ui/tarnvik_dlg.h"

namespace tarnvik::testing_support {

// Empty when every invariant holds, otherwise the first one broken.
std::string CheckInvariants(const CTarnvikDlg& dlg);

}  // namespace tarnvik::testing_support
