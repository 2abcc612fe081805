#pragma once
// The serial ports of this machine as a person looking for the programming cable needs
// them: the device, what the system knows about it, and whether this user can open it now.

#include <QString>
#include <vector>

#include "port/port_probe.h"

namespace hm3300::port {

struct PortDescription {
    QString device;              // e.g. /dev/ttyUSB0
    model::Message description;  // the product as the system names it; empty when it does not
    QString maker;
    QString usbId;  // vendor:product in hexadecimal ("10c4:ea60"); empty for other ports
    PortProbe access;
};

// Every serial port the system knows, in the order of their device names.
std::vector<PortDescription> availablePorts();

// The port at `path`, a device or a link to one such as the virtual radio's terminal.
PortDescription describePort(const QString& path);

}  // namespace hm3300::port
