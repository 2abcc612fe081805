#pragma once
// DTMF digits as the radio stores them, one nibble each (D=0, 1-9, 0=A, *=B, #=C, A=D,
// B=E, C=F), and the 8-byte DTMF code field: up to 15 digit nibbles, F fill, the count in
// the last nibble. "12345" <-> 12 34 5F FF FF FF FF F5.

#include <optional>
#include <string>
#include <string_view>

#include "codec/hex_text.h"

namespace hm3300::codec {

inline constexpr std::size_t kMaxDtmfDigits = 15;

// "0"-"9", "A"-"D", "*", "#"
bool isDtmfDigit(char c);

// The first `count` nibbles of `hex` as DTMF digits.
std::string decodeDtmf(std::string_view hex, int count);
// The first `count` characters of `text` as nibbles; "E" and "F" give nothing, and any
// character that is neither "#", "*" nor a hexadecimal digit makes the conversion fail.
std::optional<HexText> encodeDtmf(std::string_view text, int count);

// 16 characters. `code` should hold at most 15 DTMF digits (the write check refuses others):
// other characters are skipped and digits past the 15th dropped.
HexText encodeDtmfCodeField(std::string_view code);
// The count nibble decides how many digit nibbles are read; an erased field gives 15 "C".
std::string decodeDtmfCodeField(std::string_view field);

}  // namespace hm3300::codec
