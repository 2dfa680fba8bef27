// Draws the window's own art: the logo bitmap (139 x 45, 24 bits per pixel,
// background 255,255,254) and the icon at 16, 32, 48 and 128 px. The
// results are committed next to this file; run it again only to change them:
//
//   g++ -std=c++20 -fPIC make_art.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_art
//   QT_QPA_PLATFORM=offscreen /tmp/make_art src/ui/qt/resources
#include <QDir>
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

bool WriteIcon(const QString& dir, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawEmblem(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    p.end();
    return image.save(dir + QStringLiteral("/icon-%1.png").arg(size), "PNG");
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
