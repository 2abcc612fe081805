#pragma once
// Cuts the byte stream from the program into frames (type, length, payload, checksum).
// A byte that cannot start a request frame, a known type with a length it never has, is
// dropped, so the reader finds its footing again at the next plausible type byte.

#include <cstdint>
#include <span>
#include <vector>

namespace hm3300::vradio {

struct ReadItem {
    enum class Kind { Frame, Discarded };
    Kind kind;
    // A whole frame, checksum included but not yet checked; or the bytes dropped.
    std::vector<std::uint8_t> bytes;
};

class FrameReader {
public:
    std::vector<ReadItem> push(std::span<const std::uint8_t> bytes);

    // Bytes of a frame that has not arrived in full.
    bool hasPartialFrame() const { return !pending_.empty(); }
    // Gives up on the partial frame, whose missing bytes will not come anymore.
    std::vector<std::uint8_t> dropPartialFrame();

private:
    std::vector<std::uint8_t> pending_;
};

}  // namespace hm3300::vradio
