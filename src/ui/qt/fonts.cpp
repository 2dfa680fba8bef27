#include "fonts.h"

#include <QApplication>
#include <QRawFont>

namespace tarnvik::qt {

namespace {

// The character cell as QFontMetrics::height() measures it: ascent and
// descent, each rounded.
int CellHeight(const QRawFont& raw) {
    return qRound(raw.ascent()) + qRound(raw.descent());
}

// Qt sizes a font by its em; the platform the template was made for sizes a
// positive height by the character cell. Take the largest em whose cell is
// at most the wanted height (18 px for Liberation Sans: cell 20).
//
// Loading a font engine is costly (a fontconfig match each), so sizes are
// tried on copies of an engine already loaded, which share its face and
// its rendering settings: first those of `loaded` to guess the size, then
// those of the chosen font's own engine to confirm it. Only a wrong guess
// loads another engine.
QFont FontWithCellHeight(const QFont& loaded, int cellHeight, int weight) {
    QFont font(loaded.family());
    font.setWeight(static_cast<QFont::Weight>(weight));
    auto fits = [cellHeight](QRawFont raw, int pixelSize) {
        raw.setPixelSize(pixelSize);
        return CellHeight(raw) <= cellHeight;
    };

    int pixelSize = cellHeight;
    const QRawFont guess = QRawFont::fromFont(loaded);
    if (guess.isValid())
        while (pixelSize > 1 && !fits(guess, pixelSize)) --pixelSize;
    // Monotonic in the size, so this settles after a step or two.
    for (int step = 0; step < cellHeight; ++step) {
        font.setPixelSize(pixelSize);
        const QRawFont own = QRawFont::fromFont(font);  // the engine the font keeps
        int better = pixelSize;
        if (!own.isValid())
            break;
        else if (CellHeight(own) > cellHeight && pixelSize > 1)
            better = pixelSize - 1;
        else if (fits(own, pixelSize + 1))
            better = pixelSize + 1;
        if (better == pixelSize) break;
        pixelSize = better;
    }
    // Setting the same size again would drop the engine the font holds.
    if (font.pixelSize() != pixelSize) font.setPixelSize(pixelSize);
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
    fonts.result = FontWithCellHeight(fonts.dialog, kResultCellHeight, QFont::Normal);
    fonts.resultBold = FontWithCellHeight(fonts.result, kResultCellHeight, 700);
    return fonts;
}

ApplicationFontScope::ApplicationFontScope(const QFont& font) : before_(QApplication::font()) {
    QApplication::setFont(font);
}

ApplicationFontScope::~ApplicationFontScope() {
    QApplication::setFont(before_);
}

}  // namespace tarnvik::qt
