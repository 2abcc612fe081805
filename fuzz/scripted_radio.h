#pragma once
// A radio whose replies are read from a fuzz input, on a virtual clock: each frame the link
// sends is answered with the next chunk of the input, delivered the way the chunk says.
//
// Chunks: a control byte, a length byte and that many reply bytes (fewer where the input
// ends). Control bits 0-3: the number of frames in a row the chunk answers, less one.
// Bits 4-5: how the reply arrives: 0 in one receive event, 1 in two, 2 one byte an event
// (1 ms apart, so a long reply outlasts the wait), 3 only after the wait is over. Bit 6: on
// the single-head cable, the echo comes in a receive event of its own. After the last chunk
// the radio is silent.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "link/radio_session.h"
#include "link/serial_link.h"

namespace hm3300::fuzz {

// One frame and what the link was handed during its wait, as the radio sent it.
struct Exchange {
    std::vector<std::uint8_t> frame;  // checksum included
    std::vector<std::uint8_t> reply;  // the reply bytes that came in time, without the echo
};

class ScriptedRadio : public link::Waiter {
public:
    // Reports a finding when the link sends more than `frameLimit` frames.
    ScriptedRadio(std::span<const std::uint8_t> chunks, bool singleHead, int frameLimit);

    // The radio as the only serial device of a session.
    link::PortProvider& ports() { return *ports_; }

    void wait(int ms) override;
    void wake() override { woken_ = true; }
    std::int64_t nowMs() const override { return now_; }

    const std::vector<Exchange>& exchanges() const { return exchanges_; }

private:
    friend class ScriptedPort;

    struct Piece {
        int atMs;
        std::vector<std::uint8_t> bytes;
        bool echo = false;
    };

    struct Chunk {
        int answersLeft = 0;
        int delivery = 0;
        bool separateEcho = false;
        std::vector<std::uint8_t> reply;
    };

    void received(std::span<const std::uint8_t> frame);
    void nextChunk();
    void schedule(std::span<const std::uint8_t> frame);

    std::span<const std::uint8_t> input_;
    bool singleHead_;
    int frameLimit_;
    std::unique_ptr<link::PortProvider> ports_;
    link::SerialLink* link_ = nullptr;
    Chunk chunk_;
    std::vector<Piece> pending_;      // this frame's reply, due during its wait
    std::vector<std::uint8_t> late_;  // this frame's reply, due after its wait
    std::vector<std::uint8_t> undelivered_;
    std::vector<Exchange> exchanges_;
    std::int64_t now_ = 0;
    bool woken_ = false;
};

}  // namespace hm3300::fuzz
