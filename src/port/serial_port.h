#pragma once
// The radio link's serial port: a QSerialPort opened by device path at 9600 baud, 8 data
// bits, no parity, one stop bit, no flow control. Every chunk it receives goes to the
// link's receive step, which runs while the link waits.

#include <QSerialPort>
#include <QString>

#include "link/radio_session.h"
#include "link/serial_link.h"

namespace hm3300::port {

class SerialPort : public link::Port {
public:
    explicit SerialPort(const QString& path);

    void attach(link::SerialLink& link) override { link_ = &link; }
    bool setOpen(bool open) override;
    void write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> takeUndelivered() override;
    std::string problem() const override;

private:
    void receive();

    QSerialPort serial_;
    link::SerialLink* link_ = nullptr;
};

// The serial devices of this machine: probePort and SerialPort.
class SerialPortProvider : public link::PortProvider {
public:
    model::Message probe(const std::string& path) override;
    std::unique_ptr<link::Port> create(const std::string& path) override;
};

}  // namespace hm3300::port
