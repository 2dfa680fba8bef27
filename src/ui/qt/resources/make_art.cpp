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

// The picture is a slim flow band along the bitmap's bottom rows; every
// other pixel is background, drawn as transparent. The logo's place
// follows the window's outer size, so it moves with the desktop's frame:
// with no frame at all its top rows lie over the "Process conditions"
// frame, and with a caption bar of up to 40 px and borders of up to 8 px
// they sweep down across that frame's bottom edge. Only the rows below
// that edge at every such frame stay clear of every control (the window
// test checks all of them), so the picture keeps to those.
constexpr int kPictureTop = 40;

bool WriteLogo(const QString& dir) {
    QImage image(139, 45, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    p.setClipRect(QRect(0, kPictureTop, image.width(), image.height() - kPictureTop));
    p.setRenderHint(QPainter::Antialiasing);
    const qreal height = image.height() - kPictureTop;
    // A blue pill, the probe across it in teal, and white flow lines
    // ending in an arrow head.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(0.5, kPictureTop, image.width() - 1.0, height), height / 2,
                      height / 2);
    p.setBrush(kTeal);
    p.drawRect(QRectF(9, kPictureTop, 4, height));
    p.setRenderHint(QPainter::Antialiasing, false);
    // Pure white pixels that are drawn, beside the background that is not.
    for (int x = 19; x + 8 <= 119; x += 12) p.fillRect(QRect(x, kPictureTop + 2, 8, 1), kWhite);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kWhite);
    QPainterPath head;
    head.moveTo(121, kPictureTop + 0.5);
    head.lineTo(131, kPictureTop + height / 2);
    head.lineTo(121, kPictureTop + height - 0.5);
    head.closeSubpath();
    p.drawPath(head);
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
