// Dialog template 102: the calculator window's 74 controls, their captions,
// geometry and marks. The window layer takes its radio groups from it and
// the Qt view its placement.
#pragma once

#include "platform/dialog_template.h"

namespace tarnvik {

const platform::DialogTemplate& MainDialogTemplate();

}  // namespace tarnvik
