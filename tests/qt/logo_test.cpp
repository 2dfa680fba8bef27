// The logo's place follows the window's outer size, which the desktop's
// frame decides: with any frame from none up to a 40-pixel caption bar
// and 8-pixel borders, no drawn pixel of the logo may land on a control.
#include "logo.h"

#include <QtTest>
#include <vector>

#include "frame_watch.h"

#if TARNVIK_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include "tarnvik_app.h"
#include "window_fixture.h"

using tarnvik::qt::TarnvikWindow;
using namespace tarnvik::qt::testing;

namespace {

constexpr int kMaxBorder = 8, kMaxCaption = 40;

// The client pixels covered by the window's widgets.
class ControlMask {
  public:
    explicit ControlMask(const TarnvikWindow& window) : size_(window.size()) {
        covered_.assign(static_cast<std::size_t>(size_.width() * size_.height()), nullptr);
        for (QWidget* w : window.RowWidgets()) {
            const QRect r = w->geometry() & QRect(QPoint(0, 0), size_);
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) covered_[Index(x, y)] = w;
        }
    }

    // The widget under client pixel p, or nullptr.
    const QWidget* At(QPoint p) const {
        if (p.x() < 0 || p.y() < 0 || p.x() >= size_.width() || p.y() >= size_.height())
            return nullptr;
        return covered_[Index(p.x(), p.y())];
    }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y * size_.width() + x);
    }

    QSize size_;
    std::vector<const QWidget*> covered_;
};

// The first drawn logo pixel on a control, over every frame: borders of 0
// to 8 px left, right, top and bottom and a caption bar of 0 to 40 px.
// Only the frame's total width and height move the logo.
QString FirstPixelOnAControl(const TarnvikWindow& window) {
    const QImage bitmap = tarnvik::qt::LoadLogoBitmap();
    const QRgb key = bitmap.pixel(tarnvik::qt::kTransparentKeyPixel);
    const ControlMask mask(window);
    for (int dx = 0; dx <= 2 * kMaxBorder; ++dx) {
        for (int dy = 0; dy <= kMaxCaption + 2 * kMaxBorder; ++dy) {
            const QPoint at =
                tarnvik::qt::LogoPosition(window.size() + QSize(dx, dy), bitmap.size());
            for (int y = 0; y < bitmap.height(); ++y) {
                for (int x = 0; x < bitmap.width(); ++x) {
                    if (bitmap.pixel(x, y) == key) continue;
                    if (const QWidget* w = mask.At(at + QPoint(x, y)))
                        return QStringLiteral("frame +%1 x +%2 px: logo pixel (%3, %4) on %5")
                            .arg(dx)
                            .arg(dy)
                            .arg(x)
                            .arg(y)
                            .arg(w->objectName());
                }
            }
        }
    }
    return {};
}

}  // namespace

class LogoTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void placedByTheOuterSize();
    void noDrawnPixelOnAControlForAnyFrame();
    void frameChangesAreWatchedOnX11();
};

void LogoTest::placedByTheOuterSize() {
    // x = W - w - 130, y = H - h - 60 from the outer size W x H.
    QCOMPARE(tarnvik::qt::LogoPosition(QSize(707, 564), QSize(139, 45)), QPoint(438, 459));
    QCOMPARE(tarnvik::qt::LogoPosition(QSize(723, 620), QSize(139, 45)), QPoint(454, 515));
}

void LogoTest::noDrawnPixelOnAControlForAnyFrame() {
    const QImage bitmap = tarnvik::qt::LoadLogoBitmap();
    QCOMPARE(bitmap.size(), QSize(139, 45));
    int drawn = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            drawn += bitmap.pixel(x, y) != bitmap.pixel(tarnvik::qt::kTransparentKeyPixel);
    QVERIFY2(drawn >= 300, QByteArray::number(drawn));  // there is a picture

    Fixture f;
    QCOMPARE(f.window.size(), QSize(707, 564));
    QString fault = FirstPixelOnAControl(f.window);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    ChooseSensor(f, kQA20V);  // moves the "(°C)" label
    fault = FirstPixelOnAControl(f.window);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void LogoTest::frameChangesAreWatchedOnX11() {
#if TARNVIK_HAVE_XCB
    // The window manager announces a frame by a property of the window;
    // the watch looks again once Qt has read it (from the event loop).
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int calls = 0;
    tarnvik::qt::FrameWatch watch(window, [&calls] { ++calls; });
    auto deliver = [&watch](quint8 type, WId target) {
        xcb_property_notify_event_t event{};
        event.response_type = type;
        event.window = static_cast<xcb_window_t>(target);
        QVERIFY(!watch.nativeEventFilter("xcb_generic_event_t", &event, nullptr));  // never eaten
    };
    const WId id = window.internalWinId();
    QVERIFY(id != 0);
    deliver(XCB_PROPERTY_NOTIFY, id);
    QCOMPARE(calls, 0);  // not yet: Qt has not read the new frame
    QCoreApplication::processEvents();
    QCOMPARE(calls, 1);
    deliver(XCB_PROPERTY_NOTIFY | 0x80, id);  // sent by another client
    deliver(XCB_PROPERTY_NOTIFY, id + 1);     // another window
    deliver(XCB_CONFIGURE_NOTIFY, id);        // another event
    QCoreApplication::processEvents();
    QCOMPARE(calls, 2);
#else
    QSKIP("built without xcb");
#endif
}

int main(int argc, char** argv) {
    tarnvik::qt::CTarnvikApp app(argc, argv);
    LogoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "logo_test.moc"
