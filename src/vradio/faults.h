#pragma once
// Misbehaviour the virtual radio can be told to show, so tests can drive the program's
// failure paths. Counters mean "the first N times"; the radio uses them up as it answers.

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>

namespace hm3300::vradio {

using AddressCounts = std::map<std::uint16_t, int>;

// How much later than usual a late reply comes: well past the 80 ms the program waits.
inline constexpr std::chrono::milliseconds kLateReplyDelay{200};

struct Faults {
    bool silent = false;           // never answer anything
    bool wrongId = false;          // answer the handshake with another identification
    int busyReady = 0;             // ready requests answered with Busy
    int busyWrites = 0;            // write frames answered with Busy, nothing stored
    AddressCounts garbage{};       // reads answered with bytes that are no data frame
    AddressCounts badChecksum{};   // read replies sent with a wrong checksum
    AddressCounts refuseWrite{};   // writes answered with garbage, nothing stored
    AddressCounts wrongAddress{};  // reads answered with the next block, at its address
    AddressCounts wrongLength{};   // reads answered with one data byte short
    AddressCounts late{};          // reads and writes answered after the program's wait
    bool erasedBand = false;       // the band block reads as all 0xFF
};

// Uses up one of the first N: true while the counter was above zero.
bool takeOne(int& remaining);
bool takeOne(AddressCounts& counts, std::uint16_t address);

// A decimal count of at least 0 ("3").
std::optional<int> parseCount(std::string_view text);
// A hexadecimal address ("0C80" or "0x0C80") up to 0xFFFF.
std::optional<std::uint16_t> parseAddress(std::string_view text);
// "ADDR:N", as the address fault options take it.
std::optional<std::pair<std::uint16_t, int>> parseAddressCount(std::string_view text);

}  // namespace hm3300::vradio
