// Draws the window's own art: the logo bitmap (139 x 45, 24 bits per pixel,
// background 255,255,254) and the icon at 16, 32, 48 and 128 px (PNG, for
// the desktop), the 16 and 32 px images also as 32-bit bitmaps with alpha
// (for the window, which reads bitmaps without an image decoder). The
// results are committed next to this file; run it again only to change them:
//
//   g++ -std=c++20 -fPIC make_art.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_art
//   QT_QPA_PLATFORM=offscreen /tmp/make_art src/ui/qt/resources
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kBackground(255, 255, 254);  // the logo's transparent colour
const QColor kBlue(0x1d, 0x4e, 0x89);
const QColor kTeal(0x2a, 0x9d, 0x8f);
const QColor kWhite(255, 255, 255);

// The emblem: a blue disc with a white sensor probe standing in a pipe and
// three flow lines passing it. Drawn in a unit square scaled to size.
void DrawEmblem(QPainter& p, const QRectF& box) {
    const double s = box.width();
    p.save();
    p.translate(box.topLeft());
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(0, 0, s, s));
    // Flow lines.
    QPen flow(kWhite, std::max(1.0, s * 0.075), Qt::SolidLine, Qt::RoundCap);
    p.setPen(flow);
    for (double y : {0.36, 0.52, 0.68})
        p.drawLine(QPointF(s * 0.17, s * y), QPointF(s * 0.70, s * y));
    // Arrow head on the middle line.
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    QPainterPath head;
    head.moveTo(s * 0.88, s * 0.52);
    head.lineTo(s * 0.66, s * 0.38);
    head.lineTo(s * 0.66, s * 0.66);
    head.closeSubpath();
    p.drawPath(head);
    // Probe from the top.
    p.setBrush(kTeal);
    p.drawRect(QRectF(s * 0.44, s * 0.08, s * 0.12, s * 0.40));
    p.restore();
}

// The picture fills the lower half of the bitmap; the upper rows are
// background. The logo's place follows the window's outer size, so with a
// thin caption bar it rises towards the "Process conditions" frame above
// it; the empty rows keep the picture clear of that frame.
bool WriteLogo(const QString& dir) {
    QImage image(139, 45, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawEmblem(p, QRectF(3, 19, 25, 25));  // clear of the key pixel (10, 10)

    QFont name(QStringLiteral("Liberation Sans"));
    name.setWeight(QFont::Bold);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    const QString title = QStringLiteral("TARNVIK");
    for (int px = 24; px > 8; --px) {  // the largest size that fits beside the emblem
        name.setPixelSize(px);
        if (QFontMetrics(name).horizontalAdvance(title) <= 94 && QFontMetrics(name).height() <= 22)
            break;
    }
    // The name in white on a blue bar: pure white pixels that are drawn,
    // beside the background colour that is not.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(32, 20, 105, 23), 4, 4);
    p.setFont(name);
    p.setPen(kWhite);
    p.drawText(QRectF(32, 20, 105, 23), Qt::AlignCenter, title);
    p.end();

    if (image.pixelColor(10, 10) != kBackground) return false;
    // Qt writes a 32-bit image as an uncompressed 24-bit BMP.
    return image.save(dir + QStringLiteral("/logo.bmp"), "BMP");
}

// An uncompressed bitmap, 32 bits per pixel, bottom-up, the fourth byte of
// each pixel its alpha (not premultiplied).
bool WriteBitmap32(const QImage& picture, const QString& path) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width(), height = image.height();
    const quint32 pixelBytes = static_cast<quint32>(width) * static_cast<quint32>(height) * 4;
    QByteArray out;
    auto put = [&out](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    out.append("BM");
    put(14 + 40 + pixelBytes, 4);
    put(0, 4);        // reserved
    put(14 + 40, 4);  // offset of the pixels
    put(40, 4);       // info header size
    put(static_cast<quint32>(width), 4);
    put(static_cast<quint32>(height), 4);
    put(1, 2);   // planes
    put(32, 2);  // bits per pixel
    put(0, 4);   // no compression
    put(pixelBytes, 4);
    put(3780, 4);  // 96 dpi
    put(3780, 4);
    put(0, 4);
    put(0, 4);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            out.append(static_cast<char>(qBlue(p)));
            out.append(static_cast<char>(qGreen(p)));
            out.append(static_cast<char>(qRed(p)));
            out.append(static_cast<char>(qAlpha(p)));
        }
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

bool WriteIcon(const QString& dir, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawEmblem(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    p.end();
    const bool forWindow = size == 16 || size == 32;
    return image.save(dir + QStringLiteral("/icon-%1.png").arg(size), "PNG") &&
           (!forWindow || WriteBitmap32(image, dir + QStringLiteral("/icon-%1.bmp").arg(size)));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    bool ok = WriteLogo(dir);
    for (int size : {16, 32, 48, 128}) ok = WriteIcon(dir, size) && ok;
    std::puts(ok ? "written" : "FAILED");
    return ok ? 0 : 1;
}
