#pragma once
// HexText: bytes carried as uppercase hexadecimal digit pairs, high nibble first ("0A1F").
// All radio data travels in this form.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hm3300::codec {

using HexText = std::string;

// One uppercase digit for the low nibble of `value`.
char hexDigit(unsigned value);
// Two uppercase digits for the low byte of `value`.
HexText hexByte(unsigned value);
// Four uppercase digits for the low 16 bits of `value`, high byte first (an address).
HexText hexWord(unsigned value);
// The value of one hexadecimal digit (either case), or -1.
int hexValue(char digit);
// The byte spelled by two digits starting at `offset`, or -1 when they are not hexadecimal.
int byteAt(std::string_view hex, std::size_t offset);

// Exactly `length` uppercase digits: `hex` cut or padded with "F" (erased memory), any
// character that is not a hexadecimal digit read as "F". Lets decoders take any input.
HexText normalizedField(std::string_view hex, std::size_t length);

bool isHexText(std::string_view text);  // even length, hexadecimal digits only
HexText toHexText(std::span<const std::uint8_t> bytes);
// Pairs of digits to bytes; a trailing odd digit is ignored. Empty when a digit is not hex.
std::optional<std::vector<std::uint8_t>> hexTextToBytes(std::string_view hex);

}  // namespace hm3300::codec
