#include "port/port_list.h"

#include <QCollator>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

#include "model/text_ids.h"

namespace hm3300::port {

namespace {

QString hex4(quint16 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

PortDescription describe(const QSerialPortInfo& info, const QString& device) {
    PortDescription port{
        device, info.description().toStdString(), info.manufacturer(), {}, probePort(device)};
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
        port.usbId =
            hex4(info.vendorIdentifier()) + QLatin1Char(':') + hex4(info.productIdentifier());
    }
    return port;
}

}  // namespace

std::vector<PortDescription> availablePorts() {
    std::vector<PortDescription> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.push_back(describe(info, info.systemLocation()));
    }
    // ttyS2 before ttyS10.
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(),
              [&collator](const PortDescription& left, const PortDescription& right) {
                  return collator.compare(left.device, right.device) < 0;
              });
    return ports;
}

PortDescription describePort(const QString& path) {
    const QString device = QFileInfo(path).canonicalFilePath();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!device.isEmpty() && info.systemLocation() == device) {
            return describe(info, path);
        }
    }
    PortDescription port = describe(QSerialPortInfo(), path);
    if (device.startsWith(QStringLiteral("/dev/pts/"))) {
        port.description = model::Message(model::TextId::PseudoTerminal);
    }
    return port;
}

}  // namespace hm3300::port
