// The painted logo and the window icon, both from the program's resources.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QSize>

class QPainter;

namespace tarnvik::qt {

// Bitmap 146: 139 x 45 px, 24 bits per pixel, background (255, 255, 254).
QImage LoadLogoBitmap();

// The colour drawn as transparent: the bitmap's pixel at column 10, row 10.
inline constexpr QPoint kTransparentKeyPixel{10, 10};

// Top left corner of the logo in client coordinates for a window whose
// outer size (frame and caption bar included) is outer.
QPoint LogoPosition(QSize outer, QSize logo);

// The bitmap with every pixel of exactly the key colour made transparent;
// all other pixels, pure white included, stay opaque.
QImage WithTransparentKey(const QImage& bitmap, QRgb key);

// One paint of the logo: loads the bitmap, keys it and draws it. Nothing is
// kept between paints. A bitmap that cannot be loaded draws nothing.
void PaintLogo(QPainter& painter, QSize outer);

// Icon 128: the 32 x 32 and 16 x 16 images.
QIcon AppIcon();

}  // namespace tarnvik::qt
