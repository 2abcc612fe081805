#pragma once
// Channel names in the radio's display code: one byte per character, 0x00-0x09 "0"-"9",
// 0x0A "-", 0x0B "+", 0x0C "_", 0x0D "/", 0x0E ".", 0x0F blank, 0x10-0x29 "A"-"Z", 0x2A "*".
// A name field is 6 bytes, filled with blanks; six 0xFF bytes mean no name.

#include <string>
#include <string_view>

#include "codec/hex_text.h"

namespace hm3300::codec {

inline constexpr std::size_t kNameLength = 6;

// The display code of a character, or -1 when the radio cannot show it.
int displayCode(char c);
// How many characters of `text` the radio can show (the ones encodeText keeps).
std::size_t displayableLength(std::string_view text);

// 12 hexadecimal characters to text; codes above 0x2A add nothing. Not trimmed.
std::string decodeText(std::string_view hex);
// Text to 12 characters (more when it has over 6 displayable characters), 0F-filled;
// characters without a display code are skipped.
HexText encodeText(std::string_view text);

}  // namespace hm3300::codec
