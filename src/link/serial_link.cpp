#include "link/serial_link.h"

#include "link/frame.h"

namespace hm3300::link {

SerialLink::SerialLink(Port& port, Waiter& waiter) : port_(port), waiter_(waiter) {}

void SerialLink::MakeFrame(std::string_view text) {
    echoLength_ = text.size() + 2;
    txBytes_ = frameBytes(text);
}

void SerialLink::sendAndWait(std::string_view text, int ms) {
    MakeFrame(text);
    // Cleared before the bytes leave, so nothing of this exchange can be lost.
    rxBuffer_.clear();
    port_.write(txBytes_);
    waiter_.wait(ms);
}

void SerialLink::receive(std::span<const std::uint8_t> bytes) {
    rxBuffer_ += codec::toHexText(bytes);
    // The echo is dropped only once something beyond it has arrived, so a frame the radio
    // does not answer leaves its echo in the buffer.
    if (echoLength_ != 0 && singleHead_ && rxBuffer_.size() > echoLength_) {
        rxBuffer_.erase(0, echoLength_);
        echoLength_ = 0;
    }
}

bool SerialLink::replyChecksumOk() const {
    return checksumOk(rxBuffer_);
}

}  // namespace hm3300::link
