#include "link/serial_link.h"

#include "link/frame.h"
#include "link/link_trace.h"

namespace hm3300::link {

SerialLink::SerialLink(Port& port, Waiter& waiter) : port_(port), waiter_(waiter) {}

void SerialLink::setStopRequest(std::function<bool()> stopRequested) {
    stopRequested_ = std::move(stopRequested);
}

void SerialLink::sendAndWait(std::string_view text, int ms) {
    if (!stopped_ && stopRequested_ && stopRequested_()) {
        stopped_ = true;
    }
    if (stopped_) {
        rxBuffer_.clear();
        return;
    }
    send(text, ms);
}

void SerialLink::sendFinal(std::string_view text, int ms) {
    send(text, ms);
}

bool SerialLink::resetPort(int ms) {
    port_.setOpen(false);
    pause(ms, "port closed");
    const bool open = port_.setOpen(true);
    pause(ms, open ? "port opened" : "port cannot be opened again");
    return open;
}

void SerialLink::pause(int ms, std::string_view what) {
    if (trace_ != nullptr) {
        trace_->note(waiter_.nowMs(), what);
    }
    waiter_.wait(ms);
    if (trace_ != nullptr) {
        trace_->waited(waiter_.nowMs(), ms);
    }
}

void SerialLink::send(std::string_view text, int ms) {
    dropLeftovers();
    lastFrame_ = frameBytes(text);
    pendingEcho_ = 2 * lastFrame_.size();
    // Cleared before the bytes leave, so nothing of this exchange can be lost.
    rxBuffer_.clear();
    if (trace_ != nullptr) {
        trace_->sent(waiter_.nowMs(), lastFrame_);
    }
    port_.write(lastFrame_);
    waiter_.wait(ms);
    if (trace_ != nullptr) {
        trace_->waited(waiter_.nowMs(), ms);
    }
}

// A reply that comes after its exchange's wait must not pass for the reply to the next
// frame.
void SerialLink::dropLeftovers() {
    const std::vector<std::uint8_t> late = port_.takeUndelivered();
    if (!late.empty() && trace_ != nullptr) {
        trace_->dropped(waiter_.nowMs(), late);
    }
}

void SerialLink::receive(std::span<const std::uint8_t> bytes) {
    if (trace_ != nullptr && !bytes.empty()) {
        trace_->received(waiter_.nowMs(), bytes);
    }
    rxBuffer_ += codec::toHexText(bytes);
    // The echo is dropped only once something beyond it has arrived, so a frame the radio
    // does not answer leaves its echo in the buffer.
    if (pendingEcho_ != 0 && singleHead_ && rxBuffer_.size() > pendingEcho_) {
        rxBuffer_.erase(0, pendingEcho_);
        pendingEcho_ = 0;
    }
}

bool SerialLink::replyChecksumOk() const {
    return checksumOk(rxBuffer_);
}

}  // namespace hm3300::link
