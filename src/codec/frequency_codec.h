#pragma once
// Frequency field of a channel slot: 4 bytes, the first six decimal digits of the text as
// packed BCD, then the part below 1 kHz in units of 62.5 Hz.
// 145.12500 <-> 14 51 25 00, 438.00625 <-> 43 80 06 04, empty <-> FF FF FF FF.

#include <optional>
#include <string>
#include <string_view>

#include "codec/hex_text.h"

namespace hm3300::codec {

// True for a 9-character text "ddd.ddddd" on the 5 kHz or the 6.25 kHz channel raster, the
// frequencies the editor produces (its last two digits are then 00, 25, 50 or 75).
bool isRasterFrequency(std::string_view text);

// The value in MHz of a frequency text, or nothing when the whole text is no number.
std::optional<double> frequencyMHz(std::string_view text);

// `text` is empty or a raster frequency. Any other text still gives 8 hex digits (non-digits
// read as 0, the part below 1 kHz rounded to 62.5 Hz); the write check refuses such texts.
HexText encodeFrequency(std::string_view text);

// Any 8 hexadecimal characters; a field starting "FF" is no frequency (empty text).
std::string decodeFrequency(std::string_view field);

}  // namespace hm3300::codec
