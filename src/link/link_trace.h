#pragma once
// A record of one conversation with the radio, for a bug report: every frame sent and
// received with a millisecond timestamp, every wait, and every byte dropped because it
// came after its exchange was over. One line each:
//
//      0 ms  >  02 05 4B 6F 70 72 61 40
//     12 ms  <  06 06 44 72 75 6D 65 78 33
//     70 ms  .  waited 70 ms      (how long the wait lasted)
//    230 ms  x  dropped 06 00 06

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

namespace hm3300::link {

class LinkTrace {
public:
    explicit LinkTrace(std::ostream& out) : out_(out) {}

    void sent(std::int64_t nowMs, std::span<const std::uint8_t> bytes);
    void received(std::int64_t nowMs, std::span<const std::uint8_t> bytes);
    void waited(std::int64_t nowMs, int ms);
    void dropped(std::int64_t nowMs, std::span<const std::uint8_t> bytes);
    // A line of words: what the run is and how it ended.
    void note(std::int64_t nowMs, std::string_view text);

private:
    void line(std::int64_t nowMs, char mark, std::string_view text);

    std::ostream& out_;
    bool started_ = false;
    std::int64_t originMs_ = 0;
};

}  // namespace hm3300::link
