#include "port/serial_port.h"

namespace hm3300::port {

SerialPort::SerialPort(const QString& path) {
    serial_.setPortName(path);
    serial_.setBaudRate(QSerialPort::Baud9600);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    QObject::connect(&serial_, &QSerialPort::readyRead, &serial_, [this] { receive(); });
}

bool SerialPort::setOpen(bool open) {
    if (!open) {
        serial_.close();
        return true;
    }
    return serial_.isOpen() || serial_.open(QIODevice::ReadWrite);
}

void SerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!serial_.isOpen()) {
        return;
    }
    serial_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hands the bytes to the driver now rather than at the next turn of the event loop.
    serial_.flush();
}

QString SerialPort::problem() const {
    return serial_.error() == QSerialPort::NoError ? QString() : serial_.errorString();
}

void SerialPort::receive() {
    const QByteArray chunk = serial_.readAll();
    if (link_ != nullptr && !chunk.isEmpty()) {
        link_->receive(std::span(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                                 static_cast<std::size_t>(chunk.size())));
    }
}

}  // namespace hm3300::port
