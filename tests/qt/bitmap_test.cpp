// The reader of the window's bitmaps, and the bitmaps the window carries.
#include "bitmap.h"

#include <QtEndian>
#include <QtTest>

#include "logo.h"

namespace {

// A bitmap file: 40-byte info header, the given rows (each already padded).
QByteArray Bitmap(int width, int height, int bits, const QByteArray& pixels, int compression = 0) {
    QByteArray out(14 + 40, '\0');
    auto put32 = [&out](int at, quint32 v) { qToLittleEndian<quint32>(v, out.data() + at); };
    auto put16 = [&out](int at, quint16 v) { qToLittleEndian<quint16>(v, out.data() + at); };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<quint32>(out.size() + pixels.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    put16(26, 1);
    put16(28, static_cast<quint16>(bits));
    put32(30, static_cast<quint32>(compression));
    return out + pixels;
}

// Two rows of two 24-bit pixels, each row padded to 8 bytes; stored
// bottom row first: blue, green, red.
const QByteArray kRows24 = QByteArray::fromHex(
    "0000ff 00ff00 0000"    // bottom: red, green
    "ff0000 fffeff 0000");  // top: blue, (255,254,255)

}  // namespace

class BitmapTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void readsUncompressedBitmaps();
    void rejectsWhatItCannotRead_data();
    void rejectsWhatItCannotRead();
    void windowIconBitmapsAreThePngIcons();
};

void BitmapTest::readsUncompressedBitmaps() {
    const QImage bottomUp = tarnvik::qt::ReadBitmap(Bitmap(2, 2, 24, kRows24));
    QCOMPARE(bottomUp.size(), QSize(2, 2));
    QVERIFY(!bottomUp.hasAlphaChannel());
    QCOMPARE(bottomUp.pixel(0, 1), qRgb(255, 0, 0));
    QCOMPARE(bottomUp.pixel(1, 1), qRgb(0, 255, 0));
    QCOMPARE(bottomUp.pixel(0, 0), qRgb(0, 0, 255));
    QCOMPARE(bottomUp.pixel(1, 0), qRgb(255, 254, 255));

    // A negative height stores the rows top-down; 32 bits carry alpha.
    const QByteArray rows32 = QByteArray::fromHex("01020380 ffffff00");
    const QImage topDown = tarnvik::qt::ReadBitmap(Bitmap(2, -1, 32, rows32));
    QCOMPARE(topDown.size(), QSize(2, 1));
    QCOMPARE(topDown.pixel(0, 0), qRgba(3, 2, 1, 0x80));
    QCOMPARE(topDown.pixel(1, 0), qRgba(255, 255, 255, 0));
}

void BitmapTest::rejectsWhatItCannotRead_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = Bitmap(2, 2, 24, kRows24);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << good.left(54);
    QTest::newRow("last row cut short") << good.left(good.size() - 1);
    QTest::newRow("not BM") << QByteArray("XY" + good.mid(2));
    QTest::newRow("8 bits per pixel") << Bitmap(2, 2, 8, kRows24);
    QTest::newRow("run-length compressed") << Bitmap(2, 2, 24, kRows24, 1);
    QTest::newRow("zero width") << Bitmap(0, 2, 24, kRows24);
    QTest::newRow("negative width") << Bitmap(-2, 2, 24, kRows24);
    QTest::newRow("huge") << Bitmap(1 << 30, 1 << 30, 24, kRows24);
    QTest::newRow("most negative height") << Bitmap(2, INT32_MIN, 24, kRows24);
    QByteArray pastEnd = good;
    qToLittleEndian<quint32>(0xfffffff0u, pastEnd.data() + 10);
    QTest::newRow("pixels past the end") << pastEnd;
    QByteArray shortInfo = good;
    qToLittleEndian<quint32>(12, shortInfo.data() + 14);
    QTest::newRow("old 12-byte header") << shortInfo;
}

void BitmapTest::rejectsWhatItCannotRead() {
    QFETCH(QByteArray, data);
    QVERIFY(tarnvik::qt::ReadBitmap(data).isNull());
}

void BitmapTest::windowIconBitmapsAreThePngIcons() {
    // The window shows the bitmaps; the desktop the PNG files. Both come
    // from one drawing and must not drift apart.
    for (int size : {16, 32}) {
        const QByteArray what = QByteArray::number(size);
        const QImage bitmap =
            tarnvik::qt::LoadBitmap(QStringLiteral(":/tarnvik/icon-%1.bmp").arg(size));
        const QImage png(QStringLiteral(TARNVIK_RESOURCE_DIR "/icon-%1.png").arg(size));
        QVERIFY2(!png.isNull(), what);
        QCOMPARE(bitmap.size(), QSize(size, size));
        QCOMPARE(bitmap.convertToFormat(QImage::Format_ARGB32),
                 png.convertToFormat(QImage::Format_ARGB32));
    }
    const QList<QSize> sizes = tarnvik::qt::AppIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
}

QTEST_MAIN(BitmapTest)
#include "bitmap_test.moc"
