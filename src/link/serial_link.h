#pragma once
// The sending and receiving side of the radio link: builds each frame, clears the receive
// buffer, hands the bytes to the port and waits a fixed time while replies arrive.
// In single-head mode the cable echoes every byte sent, and that echo is removed here.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codec/hex_text.h"

namespace hm3300::link {

using codec::HexText;

// The serial port as the link drives it. The adapter calls SerialLink::receive with
// every chunk of bytes it receives.
class Port {
public:
    virtual ~Port() = default;
    // Opens or closes the port (the port reset at the start of every run); false when the
    // port cannot be opened, which ends the run before anything is sent.
    virtual bool setOpen(bool open) = 0;
    virtual void write(std::span<const std::uint8_t> bytes) = 0;
};

// Returns after at least `ms` milliseconds, delivering received bytes meanwhile.
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void wait(int ms) = 0;
};

class SerialLink {
public:
    SerialLink(Port& port, Waiter& waiter);

    void setSingleHead(bool singleHead) { singleHead_ = singleHead; }

    // Builds TxBytes (with checksum) from `text` and sets EchoLength.
    void MakeFrame(std::string_view text);
    // MakeFrame, clear RxBuffer, write TxBytes, wait(ms); the caller judges RxBuffer.
    void sendAndWait(std::string_view text, int ms);
    // Receive step: appends `bytes` to RxBuffer and removes the single-head echo once the
    // buffer has grown past it.
    void receive(std::span<const std::uint8_t> bytes);

    bool replyChecksumOk() const;
    const HexText& RxBuffer() const { return rxBuffer_; }
    const std::vector<std::uint8_t>& TxBytes() const { return txBytes_; }
    std::size_t EchoLength() const { return echoLength_; }

    Port& port() { return port_; }
    Waiter& waiter() { return waiter_; }

private:
    Port& port_;
    Waiter& waiter_;
    bool singleHead_ = false;
    std::vector<std::uint8_t> txBytes_;
    std::size_t echoLength_ = 0;
    HexText rxBuffer_;
};

}  // namespace hm3300::link
