#pragma once
// The sending and receiving side of the radio link: builds each frame, drops whatever is
// left over from earlier exchanges, hands the bytes to the port and waits while replies
// arrive. In single-head mode the cable echoes every byte sent, and that echo is removed here.
//
// The pacing decides how long each wait lasts. Fixed pacing waits the whole time the
// protocol allows for every frame. Fast pacing ends a wait as soon as a complete reply is
// in; the fixed time stays the upper bound, so both pacings send the same frames in the
// same order and judge the same replies.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codec/hex_text.h"

namespace hm3300::link {

using codec::HexText;

class LinkTrace;
class SerialLink;

// The serial port as the link drives it. The adapter calls SerialLink::receive with every
// chunk of bytes it receives while the link waits.
class Port {
public:
    virtual ~Port() = default;
    // Opens or closes the port (the port reset at the start of every run); false when the
    // port cannot be opened, which ends the run before anything is sent.
    virtual bool setOpen(bool open) = 0;
    virtual void write(std::span<const std::uint8_t> bytes) = 0;
    // The link that gets every received chunk; set before the port is first opened.
    virtual void attach(SerialLink& link) = 0;
    // Why the port last failed to open or stopped working (a cable pulled while open), or
    // empty. A port that stops working stays silent, so the run fails at its next frame.
    virtual std::string problem() const = 0;
    // Bytes that reached the port after the last wait ended and were never handed to the
    // link. They belong to no exchange; the link drops them before it sends again.
    virtual std::vector<std::uint8_t> takeUndelivered() = 0;
};

// Returns after at least `ms` milliseconds, delivering received bytes meanwhile, or
// earlier once wake() is called while it waits.
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void wait(int ms) = 0;
    // Ends the wait in progress; called from the receive step.
    virtual void wake() = 0;
    // A monotonic millisecond clock, for the trace.
    virtual std::int64_t nowMs() const = 0;
};

enum class Pacing { Fixed, Fast };

// In fast pacing, the pause after a Busy reply before the frame is sent again, so that a
// radio that is busy is not flooded with requests.
inline constexpr int kBusyBackOffMs = 20;

class SerialLink {
public:
    SerialLink(Port& port, Waiter& waiter);

    void setSingleHead(bool singleHead) { singleHead_ = singleHead; }
    void setPacing(Pacing pacing) { pacing_ = pacing; }
    Pacing pacing() const { return pacing_; }
    // Every frame, wait and dropped byte is written to `trace` (nullptr: none).
    void setTrace(LinkTrace* trace) { trace_ = trace; }
    // Asked before every send: once it answers true, no further frame goes out (the
    // exchange sees no reply) except through sendFinal.
    void setStopRequest(std::function<bool()> stopRequested);
    bool stopped() const { return stopped_; }

    // Drops leftovers, builds the frame of `text` (type, length, payload; the checksum is
    // added), clears RxBuffer, writes the frame and waits `ms`; the caller judges RxBuffer.
    void sendAndWait(std::string_view text, int ms);
    // sendAndWait even after a stop: the end command that lets the radio leave programming.
    void sendFinal(std::string_view text, int ms);
    // Closes the port, waits `ms`, opens it again and waits `ms`, whatever the pacing;
    // false when it cannot be opened again.
    bool resetPort(int ms);
    // After a Busy reply, before the same frame goes out again: nothing in fixed pacing,
    // whose wait was already whole; kBusyBackOffMs in fast pacing.
    void backOffAfterBusy();
    // Receive step: appends `bytes` to RxBuffer and removes the single-head echo once the
    // buffer has grown past it.
    void receive(std::span<const std::uint8_t> bytes);

    bool replyChecksumOk() const;
    // RxBuffer holds a whole frame: at least as many bytes as its length byte announces
    // (type, length, payload, checksum), with the single-head echo removed.
    bool replyComplete() const;
    // HexText of every byte received since the last send.
    const HexText& rxBuffer() const { return rxBuffer_; }
    // The bytes of the frame last sent, checksum included.
    const std::vector<std::uint8_t>& lastFrame() const { return lastFrame_; }
    // Hexadecimal digits of echo still to drop; 0 when none is pending.
    std::size_t pendingEcho() const { return pendingEcho_; }

private:
    void send(std::string_view text, int ms);
    void pause(int ms, std::string_view what);
    void timedWait(int ms);
    void dropLeftovers();

    Port& port_;
    Waiter& waiter_;
    bool singleHead_ = false;
    Pacing pacing_ = Pacing::Fixed;
    bool waiting_ = false;
    LinkTrace* trace_ = nullptr;
    std::function<bool()> stopRequested_;
    bool stopped_ = false;
    std::vector<std::uint8_t> lastFrame_;
    std::size_t pendingEcho_ = 0;
    HexText rxBuffer_;
};

}  // namespace hm3300::link
