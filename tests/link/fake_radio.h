#pragma once
// A scripted radio for the link tests: it answers every frame it is sent like the radio
// does, out of a 4 KiB memory, unless a script says otherwise, and hands its reply to the
// link during the next wait, which only advances a virtual clock: a reply arrives
// `replyDelayMs` after its frame, or in pieces at the times a script gives. A session finds
// it as the only serial device.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/radio_session.h"
#include "link/serial_link.h"

namespace hm3300::link::testing {

// Script reply meaning: what the radio would answer, with its checksum byte spoiled.
inline const std::string kSpoiledChecksum = "spoiled checksum";
// Script reply meaning: what the radio would answer, arriving only after the wait is over.
inline const std::string kLateReply = "late reply";

// `text` (hexadecimal) with its checksum appended, as it goes over the wire.
std::string withChecksum(const std::string& text);

// Part of a reply and when it arrives, in milliseconds after the frame was sent.
struct ReplyPiece {
    int atMs = 0;
    std::string hex;
};

class FakeRadio : public Port {
public:
    // Erased memory with band 1 "400-470MHz" and band 2 "136-174MHz".
    FakeRadio();

    // The cable echoes every byte sent (single-head mode); `separately` delivers the echo in
    // a receive event of its own.
    void echo(bool on, bool separately = false) {
        echo_ = on;
        echoSeparately_ = separately;
    }

    // The next frames starting with `prefix` (request text, no checksum) get these replies
    // in turn ("" is silence), later ones the normal answer.
    void answer(const std::string& prefix, std::vector<std::string> replies);
    // The next frame starting with `prefix` gets its reply in these pieces; a piece later
    // than the wait arrives after it.
    void answerInPieces(const std::string& prefix, std::vector<ReplyPiece> pieces);
    // Every frame starting with `prefix` gets `reply`.
    void answerAlways(const std::string& prefix, std::string reply);

    void attach(SerialLink& link) override { link_ = &link; }
    bool setOpen(bool open) override;
    void write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> takeUndelivered() override;
    std::string problem() const override { return {}; }

    // A wait of `ms` after the last frame: hands the link what arrives in that time, in
    // order, each after `arriveAt` has set the clock to its time, until the link has woken
    // the waiter. Returns how long the wait lasted. What comes later, and late replies,
    // arrive after the wait; a link that does not take them gets them at the start of its
    // next wait.
    int deliver(int ms, const std::function<void(int atMs)>& arriveAt,
                const std::function<bool()>& woken);

    // Every frame received, checksum included, in order.
    const std::vector<std::string>& frames() const { return frames_; }
    std::vector<std::string> framesStartingWith(const std::string& prefix) const;
    const std::vector<bool>& openCalls() const { return openCalls_; }

    std::array<std::uint8_t, 4096> memory{};
    // setOpen(true) fails while this is set.
    bool portMissing = false;
    // When a reply arrives after its frame, in milliseconds.
    int replyDelayMs = 0;

private:
    std::string normalAnswer(const std::vector<std::uint8_t>& frame);
    std::optional<std::vector<ReplyPiece>> scripted(const std::string& text);
    void schedule(int atMs, std::vector<std::uint8_t> bytes);

    struct Arrival {
        int atMs;
        std::vector<std::uint8_t> bytes;
    };

    SerialLink* link_ = nullptr;
    bool echo_ = false;
    bool echoSeparately_ = false;
    std::map<std::string, std::deque<std::vector<ReplyPiece>>> queued_;
    std::map<std::string, std::string> always_;
    std::vector<std::string> frames_;
    std::vector<bool> openCalls_;
    std::vector<Arrival> pending_;
    std::vector<std::uint8_t> late_;
    std::vector<std::uint8_t> afterWait_;
};

class FakeWaiter : public Waiter {
public:
    explicit FakeWaiter(FakeRadio& radio) : radio_(radio) {}

    void wait(int ms) override;
    void wake() override { woken_ = true; }
    std::int64_t nowMs() const override { return now_; }
    long long now() const { return now_; }

private:
    FakeRadio& radio_;
    long long now_ = 0;
    bool woken_ = false;
};

// The radio, its cable and the program's link, wired together.
struct Bench {
    FakeRadio radio;
    FakeWaiter waiter{radio};
    SerialLink link{radio, waiter};

    Bench() { radio.attach(link); }
};

// The fake radio as the one serial device of a session; every path opens it.
class FakePorts : public PortProvider {
public:
    explicit FakePorts(FakeRadio& radio) : radio_(radio) {}

    model::Message probe(const std::string& path) override;
    std::unique_ptr<Port> create(const std::string& path) override;

    // The probe's answer: why the device cannot be opened (empty: it can).
    std::string missingReason;
    // The paths created, in order.
    std::vector<std::string> created;

private:
    FakeRadio& radio_;
};

}  // namespace hm3300::link::testing
