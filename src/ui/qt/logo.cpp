#include "logo.h"

#include <QPainter>
#include <QPixmap>

#include "bitmap.h"

namespace tarnvik::qt {

namespace {
// The offsets of the logo from the window's outer right and bottom edges.
constexpr int kRightOffset = 130;
constexpr int kBottomOffset = 60;
}  // namespace

QImage LoadLogoBitmap() {
    return LoadBitmap(QStringLiteral(":/tarnvik/logo.bmp"));
}

QPoint LogoPosition(QSize outer, QSize logo) {
    return {outer.width() - logo.width() - kRightOffset,
            outer.height() - logo.height() - kBottomOffset};
}

QImage WithTransparentKey(const QImage& bitmap, QRgb key) {
    QImage keyed = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xff000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (line[x] == opaqueKey) line[x] = 0;  // exact match only
    }
    return keyed;
}

void PaintLogo(QPainter& painter, QSize outer) {
    const QImage bitmap = LoadLogoBitmap();
    if (bitmap.isNull() || !bitmap.rect().contains(kTransparentKeyPixel)) return;
    const QRgb key = bitmap.pixel(kTransparentKeyPixel);
    painter.drawImage(LogoPosition(outer, bitmap.size()), WithTransparentKey(bitmap, key));
}

QIcon AppIcon() {
    QIcon icon;
    for (const char* image : {":/tarnvik/icon-32.bmp", ":/tarnvik/icon-16.bmp"})
        icon.addPixmap(QPixmap::fromImage(LoadBitmap(QString::fromLatin1(image))));
    return icon;
}

}  // namespace tarnvik::qt
