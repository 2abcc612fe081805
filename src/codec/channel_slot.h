#pragma once
// A channel's 16-byte slot and 8-byte name slot in the radio's memory:
// Rx and Tx frequency fields, Rx and Tx tone fields, FF FF, then four nibbles: power
// (power, bandwidth, busy lock), voice (tail elimination, voice mode), switches (scan add,
// VOX, DTMF, PTT ID) and the direction of the transmit offset.

#include <string>
#include <string_view>

#include "codec/hex_text.h"
#include "model/channel.h"
#include "model/value_texts.h"

namespace hm3300::codec {

// 32 characters; an empty channel is 32 "F". Needs a validated channel (see write_check.h).
HexText encodeChannelSlot(const model::Channel& channel, const model::ValueTexts& texts);
// The power nibble: F when Power, Bandwidth and BusyLock are all empty.
char encodePowerNibble(const model::Channel& channel, const model::ValueTexts& texts);

// Sets the channel from 32 characters. Empties every field but VoiceMode first; a slot
// starting "FF" leaves the channel empty.
void decodeChannelSlot(model::Channel& channel, std::string_view slot,
                       const model::ValueTexts& texts);
// Power, Bandwidth and BusyLock from the power nibble.
void decodePowerNibble(char nibble, model::Channel& channel, const model::ValueTexts& texts);

// 16 characters: the name field and FF FF. A name with more than 6 displayable characters
// (refused by the write check) is cut to the first 6.
HexText encodeNameSlot(std::string_view alias);
// The alias held by the first 12 characters, blanks trimmed.
std::string decodeNameSlot(std::string_view slot);

}  // namespace hm3300::codec
