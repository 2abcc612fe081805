#include "port/serial_port.h"

#include <QSignalBlocker>

#include "port/port_probe.h"

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

std::vector<std::uint8_t> SerialPort::takeUndelivered() {
    if (!serial_.isOpen()) {
        return {};
    }
    // Polls the driver without waiting, so bytes that came after the last wait are
    // collected too, not only those Qt has already read; blocked, readyRead does not hand
    // them to the link meanwhile.
    const QSignalBlocker blocker(serial_);
    while (serial_.waitForReadyRead(0)) {
    }
    // Finding nothing is reported as a timeout, which is no problem of the port.
    if (serial_.error() == QSerialPort::TimeoutError) {
        serial_.clearError();
    }
    const QByteArray late = serial_.readAll();
    return {late.begin(), late.end()};
}

std::string SerialPort::problem() const {
    return serial_.error() == QSerialPort::NoError ? std::string()
                                                   : serial_.errorString().toStdString();
}

void SerialPort::receive() {
    const QByteArray chunk = serial_.readAll();
    if (link_ != nullptr && !chunk.isEmpty()) {
        link_->receive(std::span(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                                 static_cast<std::size_t>(chunk.size())));
    }
}

model::Message SerialPortProvider::probe(const std::string& path) {
    return probePort(QString::fromStdString(path)).reason;
}

std::unique_ptr<link::Port> SerialPortProvider::create(const std::string& path) {
    return std::make_unique<SerialPort>(QString::fromStdString(path));
}

}  // namespace hm3300::port
