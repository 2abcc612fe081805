#pragma once
// The link's wait over Qt: a nested event loop runs for the whole wait, so received bytes (and,
// in the window, user input) are handled while the link waits. Needs a QCoreApplication.

#include <QElapsedTimer>

#include "link/serial_link.h"

class QEventLoop;

namespace hm3300::port {

class EventLoopWaiter : public link::Waiter {
public:
    EventLoopWaiter() { clock_.start(); }

    // Returns after at least `ms` milliseconds, or once wake() is called; at once, without
    // handling events, for 0.
    void wait(int ms) override;
    void wake() override;
    std::int64_t nowMs() const override { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
    bool woken_ = false;
    QEventLoop* loop_ = nullptr;  // the loop of the wait in progress
};

}  // namespace hm3300::port
