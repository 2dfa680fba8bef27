// Tells the window when the desktop may have changed the frame around it.
// The logo's place depends on the window's outer size, frame included, and
// on X11 the window manager announces the frame (_NET_FRAME_EXTENTS) when
// it pleases, often after the first paint. Qt notes the new frame but
// tells the widget nothing, so the logo would stay where the frame-less
// size put it.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <functional>

class QWidget;

namespace tarnvik::qt {

class FrameWatch : public QAbstractNativeEventFilter {
  public:
    // Calls changed, from the event loop, after each property change of
    // window's native window (the frame extents among them). Does nothing
    // on platforms other than X11.
    FrameWatch(QWidget& window, std::function<void()> changed);
    ~FrameWatch() override;
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    QPointer<QWidget> window_;
    std::function<void()> changed_;
};

}  // namespace tarnvik::qt
