#pragma once
// wait over Qt: a nested event loop runs for the whole wait, so received bytes (and,
// in the window, user input) are handled while the link waits. Needs a QCoreApplication.

#include "link/serial_link.h"

namespace hm3300::port {

class EventLoopWaiter : public link::Waiter {
public:
    // Returns after at least `ms` milliseconds; at once, without handling events, for 0.
    void wait(int ms) override;
};

}  // namespace hm3300::port
