#include "port/event_loop_waiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace hm3300::port {

void EventLoopWaiter::wait(int ms) {
    if (ms <= 0) {
        return;
    }
    // A monotonic clock: neither a clock change nor a counter wrap ends a wait early, and
    // a timer that fires a little early only starts another round.
    QElapsedTimer elapsed;
    elapsed.start();
    woken_ = false;
    for (qint64 left = ms; left > 0 && !woken_; left = ms - elapsed.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop_ = &loop;
        loop.exec();
        loop_ = nullptr;
    }
    // On a busy machine the process may get the processor back only after the wait is
    // over; the bytes that reached the port meanwhile still belong to this wait.
    if (!woken_) {
        QCoreApplication::processEvents();
    }
}

void EventLoopWaiter::wake() {
    woken_ = true;
    if (loop_ != nullptr) {
        loop_->quit();
    }
}

}  // namespace hm3300::port
