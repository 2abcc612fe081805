#include "port/event_loop_waiter.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace hm3300::port {

void EventLoopWaiter::SysDelay(int ms) {
    // A monotonic clock: neither a clock change nor a counter wrap ends a wait early, and
    // a timer that fires a little early only starts another round.
    QElapsedTimer elapsed;
    elapsed.start();
    for (qint64 left = ms; left > 0; left = ms - elapsed.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace hm3300::port
