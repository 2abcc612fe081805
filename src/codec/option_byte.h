#pragma once
// The function byte of the option block: bit 6 Beep, bit 3 Save, bit 2 the VFO/MR index,
// bit 1 the scankind index; bits 7, 5, 4 and 0 are written as 1 and not read.

#include <string_view>

#include "codec/hex_text.h"
#include "model/radio_settings.h"

namespace hm3300::codec {

HexText encodeOptionByte(const model::RadioSettings& settings);
void decodeOptionByte(std::string_view hex, model::RadioSettings& settings);

}  // namespace hm3300::codec
