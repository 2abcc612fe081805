#pragma once
// The link's wait over Qt: a nested event loop runs for the whole wait, so received bytes (and,
// in the window, user input) are handled while the link waits. Needs a QCoreApplication.

#include <QElapsedTimer>

#include "link/serial_link.h"

namespace hm3300::port {

class EventLoopWaiter : public link::Waiter {
public:
    EventLoopWaiter() { clock_.start(); }

    // Returns after at least `ms` milliseconds; at once, without handling events, for 0.
    void wait(int ms) override;
    std::int64_t nowMs() const override { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
};

}  // namespace hm3300::port
