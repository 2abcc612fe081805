#pragma once
// The radio-wide blocks of the memory map: what every byte of the option, DTMF, band,
// password, call, ID and code blocks means, both ways. Channel and name slots are in
// codec/channel_slot.h.
//
// Encoders return the data of a write frame (hexadecimal, without address) and expect
// settings that passed codec::checkWritable; decoders take the data of a read reply and set
// what it carries (digits missing or not hexadecimal read as erased memory, F).

#include <array>
#include <string>
#include <string_view>

#include "codec/hex_text.h"
#include "model/radio_settings.h"

namespace hm3300::link {

using codec::HexText;

// 16 bytes. `startChannel` is two hexadecimal digits: the first channel in the active band,
// or "FF".
HexText encodeOptionBlock(const model::RadioSettings& settings, std::string_view startChannel);
void decodeOptionBlock(std::string_view data, model::RadioSettings& settings);

// 11 bytes: side keys, DTMF timings, stun, auto reset.
HexText encodeDtmfBlock(const model::RadioSettings& settings);
void decodeDtmfBlock(std::string_view data, model::RadioSettings& settings);

// The four ranges as band texts ("400-470MHz"), in the order BAND_Rx, BAND_Tx, BAND_Rx1,
// BAND_Tx1. An erased block gives "FFF-FFFMHz".
std::array<std::string, 4> decodeBandBlock(std::string_view data);

// 6 bytes, one digit each; the default password when Password is not six characters.
HexText encodePasswordBlock(const model::RadioSettings& settings);
void decodePasswordBlock(std::string_view data, model::RadioSettings& settings);

// Call block `block` (0-4) holds Call<2 block> and Call<2 block + 1>.
HexText encodeCallBlock(int block, const model::RadioSettings& settings);
void decodeCallBlock(int block, std::string_view data, model::RadioSettings& settings);

// The blocks at 0x0D00-0x0D70 are always written erased: 16 bytes 0xFF.
HexText encodeClearedBlock();

// Private and Stun Code.
HexText encodeIdBlock(const model::RadioSettings& settings);
void decodeIdBlock(std::string_view data, model::RadioSettings& settings);

// BOT and EOT.
HexText encodeCodeBlock(const model::RadioSettings& settings);
void decodeCodeBlock(std::string_view data, model::RadioSettings& settings);

}  // namespace hm3300::link
