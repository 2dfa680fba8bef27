// The window's three fonts. The dialog template's units assume a font whose
// average character is 6 x 13 px; the result area uses two 20-pixel fonts.
#pragma once

#include <QFont>

#include "platform/dialog.h"

namespace tarnvik::qt {

// Liberation Sans (Arial's metrics) at 10 px: at 11 px six captions overrun
// their controls by 2-8 px, at 10 px every caption fits (tested).
inline constexpr const char* kDialogFamily = "Liberation Sans";
inline constexpr int kDialogPixelSize = 10;
// The result fonts are 20 px high measured as the platform measures a
// positive font height: the character cell, ascent plus descent.
inline constexpr int kResultCellHeight = 20;

struct WindowFonts {
    QFont dialog;
    QFont result;      // ResultFont: normal weight
    QFont resultBold;  // ResultBoldFont: weight 700

    const QFont& For(platform::FontRole role) const;
};

// Created once per window and kept until it ends (CreateOutputFonts' fonts
// live as long as the program).
WindowFonts MakeWindowFonts();

// While alive, the application's default font is `font`; the one before
// comes back at the end. Around the making of the window's widgets: a new
// QLineEdit lays out its empty text once in the application's font before
// it takes its own, which would load the desktop's default face for that
// alone (a fontconfig match and a font engine, a twentieth of the window's
// start-up instructions). Qt counts a font set this way as the program's
// choice: the dialogs and message boxes then keep the desktop's font of
// the start, and do not follow a change of it while the program runs.
class ApplicationFontScope {
  public:
    explicit ApplicationFontScope(const QFont& font);
    ~ApplicationFontScope();
    ApplicationFontScope(const ApplicationFontScope&) = delete;
    ApplicationFontScope& operator=(const ApplicationFontScope&) = delete;

  private:
    QFont before_;
};

}  // namespace tarnvik::qt
