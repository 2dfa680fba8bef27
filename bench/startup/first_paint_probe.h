// Prints "shown <CLOCK_REALTIME in microseconds>" once the watched window has
// been painted for the first time and the event loop has gone idle, then
// runs done (which closes the window, so the program ends as usual).
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>

class FirstPaintProbe : public QObject {
  public:
    void Watch(QWidget& window, std::function<void()> done) {
        done_ = std::move(done);
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            // A zero timer fires once the events queued so far are handled.
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("shown %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
                std::fflush(stdout);
                done_();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> done_;
    bool fired_ = false;
};
