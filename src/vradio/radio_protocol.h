#pragma once
// The radio's side of the programming conversation: answers each frame of the program from
// the radio's memory. A session opens with the handshake and closes with the end command;
// outside a session the radio listens for nothing but the handshake, as a real one does.

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "vradio/faults.h"
#include "vradio/frame_reader.h"
#include "vradio/radio_memory.h"

namespace hm3300::vradio {

struct Outcome {
    std::vector<std::uint8_t> request{};  // the frame, or bytes that formed none
    std::vector<std::uint8_t> reply{};    // empty: no answer
    std::string note{};                   // what the radio made of it
    bool sessionEnded = false;            // the end command was answered
    std::chrono::milliseconds delay{};    // the reply waits this long besides the latency
};

// "request -> reply: note", one line for the log.
std::string describe(const Outcome& outcome);

class RadioProtocol {
public:
    RadioProtocol(RadioMemory& memory, Faults faults);

    // Bytes as they arrive from the program; one outcome per frame or run of dropped bytes.
    std::vector<Outcome> receive(std::span<const std::uint8_t> bytes);

    bool hasPartialFrame() const { return reader_.hasPartialFrame(); }
    // The rest of the frame will not come: forget its first bytes.
    Outcome dropPartialFrame();

private:
    Outcome answer(std::vector<std::uint8_t> frame);
    void answerRead(Outcome& outcome);
    void answerWrite(Outcome& outcome);
    void delayIfLate(Outcome& outcome, std::uint16_t address);

    RadioMemory& memory_;
    Faults faults_;
    FrameReader reader_;
    bool inSession_ = false;
};

}  // namespace hm3300::vradio
