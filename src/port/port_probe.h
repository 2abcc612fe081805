#pragma once
// probePort: whether a serial device can be opened for reading and writing at this moment,
// and if not, why and what to do about it.

#include <QString>

#include "model/message.h"

namespace hm3300::port {

struct PortProbe {
    enum class Problem { None, Missing, NoPermission, Busy, NotSerial, Other };

    Problem problem = Problem::None;
    // For a person: what is wrong and what to do. Empty when the port is free.
    model::Message reason;

    explicit operator bool() const { return problem == Problem::None; }
};

// Opens `path` (a device such as /dev/ttyUSB0) for reading and writing and closes it again.
PortProbe probePort(const QString& path);

}  // namespace hm3300::port
