#pragma once
// The radio link's serial port: a QSerialPort opened by device path at 9600 baud, 8 data
// bits, no parity, one stop bit, no flow control. Every chunk it receives goes to the
// link's receive step, which runs while the link waits.

#include <QSerialPort>
#include <QString>

#include "link/serial_link.h"

namespace hm3300::port {

class SerialPort : public link::Port {
public:
    explicit SerialPort(const QString& path);

    // The link that receives the bytes; set before the port is first opened.
    void attach(link::SerialLink& link) { link_ = &link; }

    bool setOpen(bool open) override;
    void write(std::span<const std::uint8_t> bytes) override;

    // Why the port last failed to open or stopped working (a cable pulled while open), or
    // empty. A port that stops working stays silent, so the run fails at its next frame.
    QString problem() const;

private:
    void receive();

    QSerialPort serial_;
    link::SerialLink* link_ = nullptr;
};

}  // namespace hm3300::port
