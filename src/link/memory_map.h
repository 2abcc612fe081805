#pragma once
// Where everything lies in the radio's memory, and the request texts that read and write it.

#include <cstdint>
#include <string_view>

#include "codec/hex_text.h"

namespace hm3300::link {

using codec::HexText;

inline constexpr int kChannelCount = 128;
inline constexpr int kCallBlockCount = 5;
inline constexpr int kClearedBlockCount = 8;

inline constexpr std::uint16_t kOptionBlockAddress = 0x0C80;
inline constexpr std::uint16_t kDtmfBlockAddress = 0x0C90;
inline constexpr std::uint16_t kBandBlockAddress = 0x0CC0;
inline constexpr std::uint16_t kPasswordBlockAddress = 0x0CD0;
inline constexpr std::uint16_t kIdBlockAddress = 0x0E00;
inline constexpr std::uint16_t kCodeBlockAddress = 0x0E80;

inline constexpr int kBlockSize = 16;    // every block is read as 16 bytes ...
inline constexpr int kNameSlotSize = 8;  // ... but a name slot
inline constexpr int kDtmfBlockWriteSize = 11;
inline constexpr int kPasswordBlockWriteSize = 6;

constexpr std::uint16_t channelSlotAddress(int channel) {
    return static_cast<std::uint16_t>(0x0010 * channel);
}
constexpr std::uint16_t nameSlotAddress(int channel) {
    return static_cast<std::uint16_t>(0x0808 + 8 * channel);
}
constexpr std::uint16_t callBlockAddress(int block) {
    return static_cast<std::uint16_t>(0x0D80 + 0x10 * block);
}
constexpr std::uint16_t clearedBlockAddress(int block) {
    return static_cast<std::uint16_t>(0x0D00 + 0x10 * block);
}

// "52" "03" address count: the text frameBytes turns into a read command.
HexText readRequest(std::uint16_t address, int byteCount);
// "57" length address data: the text frameBytes turns into a write frame.
HexText writeRequest(std::uint16_t address, std::string_view data);

}  // namespace hm3300::link
