#include "bitmap.h"

#include <QFile>
#include <QtEndian>
#include <cstdint>
#include <limits>

namespace tarnvik::qt {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;
// Far beyond any picture of the window; keeps the size arithmetic small.
constexpr std::int32_t kMaxSide = 4096;

template <class T>
T Read(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<T>(data.data() + at);
}

}  // namespace

QImage ReadBitmap(QByteArrayView data) {
    if (data.size() < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        return {};
    const auto pixelsAt = Read<std::uint32_t>(data, 10);
    const auto infoSize = Read<std::uint32_t>(data, 14);
    const auto width = Read<std::int32_t>(data, 18);
    const auto signedHeight = Read<std::int32_t>(data, 22);
    const auto planes = Read<std::uint16_t>(data, 26);
    const auto bits = Read<std::uint16_t>(data, 28);
    const auto compression = Read<std::uint32_t>(data, 30);
    if (infoSize < kInfoHeaderSize || planes != 1 || (bits != 24 && bits != 32) || compression != 0)
        return {};
    // A negative height stores the rows top-down.
    const bool topDown = signedHeight < 0;
    if (signedHeight == std::numeric_limits<std::int32_t>::min()) return {};
    const std::int32_t height = topDown ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};

    const qsizetype bytesPerPixel = bits / 8;
    const qsizetype stride = (width * bytesPerPixel + 3) / 4 * 4;  // rows are padded to 4 bytes
    if (pixelsAt < kFileHeaderSize + infoSize ||
        pixelsAt > static_cast<std::uint64_t>(data.size()) ||
        data.size() - static_cast<qsizetype>(pixelsAt) < stride * height)
        return {};

    QImage image(width, height, bits == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (std::int32_t y = 0; y < height; ++y) {
        const std::int32_t row = topDown ? y : height - 1 - y;
        const auto* in = reinterpret_cast<const unsigned char*>(data.data()) + pixelsAt +
                         static_cast<qsizetype>(row) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (std::int32_t x = 0; x < width; ++x, in += bytesPerPixel) {
            const int alpha = bits == 32 ? in[3] : 255;
            out[x] = qRgba(in[2], in[1], in[0], alpha);  // stored blue, green, red
        }
    }
    return image;
}

QImage LoadBitmap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ReadBitmap(file.readAll());
}

}  // namespace tarnvik::qt
