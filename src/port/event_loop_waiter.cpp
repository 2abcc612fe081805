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
    for (qint64 left = ms; left > 0; left = ms - elapsed.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // On a busy machine the process may get the processor back only after the wait is
    // over; the bytes that reached the port meanwhile still belong to this wait.
    QCoreApplication::processEvents();
}

}  // namespace hm3300::port
