#include "vradio/output_schedule.h"

#include <algorithm>

namespace hm3300::vradio {

void OutputSchedule::add(std::span<const std::uint8_t> bytes, Clock::time_point notBefore) {
    auto sent = std::max(notBefore, lineFreeAt_);
    for (const auto byte : bytes) {
        // A byte reaches the other end once its last bit is on the line.
        sent += byteTime_;
        queue_.push_back({sent, byte});
    }
    lineFreeAt_ = sent;
}

std::vector<std::uint8_t> OutputSchedule::due(Clock::time_point now) const {
    std::vector<std::uint8_t> bytes;
    for (const auto& timed : queue_) {
        if (timed.due > now) {
            break;
        }
        bytes.push_back(timed.byte);
    }
    return bytes;
}

void OutputSchedule::consume(std::size_t count) {
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
}

}  // namespace hm3300::vradio
