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
    timedWait(ms);
}

void SerialLink::timedWait(int ms) {
    const std::int64_t start = waiter_.nowMs();
    waiter_.wait(ms);
    if (trace_ != nullptr) {
        trace_->waited(waiter_.nowMs(), static_cast<int>(waiter_.nowMs() - start));
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
    waiting_ = true;
    timedWait(ms);
    waiting_ = false;
}

void SerialLink::backOffAfterBusy() {
    if (pacing_ == Pacing::Fast) {
        pause(kBusyBackOffMs, "Busy: pausing before asking again");
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
    if (waiting_ && pacing_ == Pacing::Fast && replyComplete()) {
        waiter_.wake();
    }
}

bool SerialLink::replyComplete() const {
    // Type and length come first; the payload and the checksum follow.
    constexpr std::size_t kFrameOverhead = 3;
    if ((singleHead_ && pendingEcho_ != 0) || rxBuffer_.size() < 4) {
        return false;
    }
    const auto frameLength = kFrameOverhead + static_cast<std::size_t>(codec::byteAt(rxBuffer_, 2));
    return rxBuffer_.size() >= 2 * frameLength;
}

bool SerialLink::replyChecksumOk() const {
    return checksumOk(rxBuffer_);
}

}  // namespace hm3300::link
