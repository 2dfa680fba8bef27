#include "fonts.h"

#include <QFontMetrics>

namespace tarnvik::qt {

namespace {

// Qt sizes a font by its em; the platform the template was made for sizes a
// positive height by the character cell. Take the largest em whose cell is
// at most the wanted height (18 px for Liberation Sans: cell 20).
QFont FontWithCellHeight(const QString& family, int cellHeight, int weight) {
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    int pixelSize = cellHeight;
    for (; pixelSize > 1; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

const QFont& WindowFonts::For(platform::FontRole role) const {
    switch (role) {
        case platform::FontRole::Result:
            return result;
        case platform::FontRole::ResultBold:
            return resultBold;
        case platform::FontRole::Dialog:
            break;
    }
    return dialog;
}

WindowFonts MakeWindowFonts() {
    WindowFonts fonts;
    fonts.dialog = QFont(QString::fromLatin1(kDialogFamily));
    fonts.dialog.setPixelSize(kDialogPixelSize);
    // "No face name" is the platform's default face; for this window that is
    // the dialog's face, so the result area matches the captions.
    fonts.result = FontWithCellHeight(fonts.dialog.family(), kResultCellHeight, QFont::Normal);
    fonts.resultBold = FontWithCellHeight(fonts.dialog.family(), kResultCellHeight, 700);
    return fonts;
}

}  // namespace tarnvik::qt
