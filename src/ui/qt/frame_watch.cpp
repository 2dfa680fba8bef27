#include "frame_watch.h"

#include <QCoreApplication>
#include <QWidget>

#if TARNVIK_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace tarnvik::qt {

FrameWatch::FrameWatch(QWidget& window, std::function<void()> changed)
    : window_(&window), changed_(std::move(changed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

FrameWatch::~FrameWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool FrameWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#if TARNVIK_HAVE_XCB
    if (eventType != "xcb_generic_event_t" || !window_) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
    // internalWinId: 0 until the window is created; never creates one.
    if (notify->window == 0 || notify->window != window_->internalWinId()) return false;
    // Qt reads the new frame when it handles this event, after the filter:
    // look once that is done.
    QMetaObject::invokeMethod(window_.data(), changed_, Qt::QueuedConnection);
#else
    (void)eventType;
    (void)message;
#endif
    return false;  // Qt handles the event as always
}

}  // namespace tarnvik::qt
