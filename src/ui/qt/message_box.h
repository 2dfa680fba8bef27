// The window's one message: text, caption, a single OK button, no icon.
#pragma once

#include <string_view>

class QWidget;

namespace tarnvik::qt {

// Shows the box modally over parent and returns when it is answered.
void ShowMessageBox(QWidget* parent, std::string_view text, std::string_view caption);

}  // namespace tarnvik::qt
