#pragma once
// When each byte the radio sends goes out: a reply waits for its latency and for the bytes
// queued before it; with pacing, bytes follow each other at the speed of the serial line
// instead of all at once.

#include <chrono>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace hm3300::vradio {

using Clock = std::chrono::steady_clock;

// Ten bits a byte (start, eight data, stop) at 9600 baud.
inline constexpr auto kByteTimeAt9600Baud = std::chrono::microseconds(1042);

class OutputSchedule {
public:
    // A zero byte time sends every byte as soon as it is due.
    explicit OutputSchedule(Clock::duration byteTime = {}) : byteTime_(byteTime) {}

    // Queues `bytes` to go out no earlier than `notBefore`, after everything queued before.
    void add(std::span<const std::uint8_t> bytes, Clock::time_point notBefore);

    bool empty() const { return queue_.empty(); }
    // When the next byte is due; requires !empty().
    Clock::time_point nextDue() const { return queue_.front().due; }
    // The bytes due by `now`, oldest first; they stay queued until consumed.
    std::vector<std::uint8_t> due(Clock::time_point now) const;
    // The first `count` bytes have been sent.
    void consume(std::size_t count);

private:
    struct TimedByte {
        Clock::time_point due;
        std::uint8_t byte;
    };
    Clock::duration byteTime_;
    std::deque<TimedByte> queue_;
    Clock::time_point lineFreeAt_{};
};

}  // namespace hm3300::vradio
