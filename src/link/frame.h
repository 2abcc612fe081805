#pragma once
// The wire unit in both directions: type, length, payload, and the XOR of all of them.
// Both the program and the virtual radio build and check frames here.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "codec/hex_text.h"

namespace hm3300::link {

using codec::HexText;

namespace FrameType {
inline constexpr std::uint8_t Handshake = 0x02;
inline constexpr std::uint8_t Ack = 0x06;
inline constexpr std::uint8_t Busy = 0x09;
inline constexpr std::uint8_t ReadCmd = 0x52;
inline constexpr std::uint8_t DataFrame = 0x57;
inline constexpr std::uint8_t EndCmd = 0x64;
}  // namespace FrameType

// Request texts before the checksum is added.
inline constexpr std::string_view kHandshakeRequest = "02054B6F707261";  // "Kopra"
inline constexpr std::string_view kReadyRequest = "0600";
inline constexpr std::string_view kEndRequest = "64016F";

// Whole replies as they arrive.
inline constexpr std::string_view kAckReply = "060006";
inline constexpr std::string_view kBusyReply = "090009";
inline constexpr std::string_view kIdentificationReply = "06064472756D657833";  // "Drumex"

// The bytes of `text` (pairs of hexadecimal digits, a trailing odd digit ignored) followed
// by their XOR: "0600" gives 06 00 06.
std::vector<std::uint8_t> frameBytes(std::string_view text);
std::uint8_t xorOf(std::span<const std::uint8_t> bytes);

// True when the last byte of a frame is the XOR of all bytes before it.
bool checksumOk(std::span<const std::uint8_t> frame);
// The same for a frame as HexText; false when it is not hexadecimal.
bool checksumOk(std::string_view hex);

}  // namespace hm3300::link
