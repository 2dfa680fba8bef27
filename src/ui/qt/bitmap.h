// The window's own pictures (the logo and the window icon) are stored as
// uncompressed Windows bitmaps and read here, without Qt's image readers:
// the first use of those scans every image-format plugin on the machine,
// which costs more start-up time than the rest of the window's pictures.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace tarnvik::qt {

// An uncompressed bitmap ("BM", a 40-byte or later info header, no
// compression), bottom-up or top-down:
//  - 24 bits per pixel: an opaque QImage::Format_RGB32 image;
//  - 32 bits per pixel: the fourth byte of each pixel is its alpha (as in
//    icon bitmaps), a QImage::Format_ARGB32 image.
// A null image for anything else, or for data that is cut short.
QImage ReadBitmap(QByteArrayView data);

// ReadBitmap of a file, usually one of the program's resources (":/...").
QImage LoadBitmap(const QString& path);

}  // namespace tarnvik::qt
