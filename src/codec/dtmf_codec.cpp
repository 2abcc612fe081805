#include "codec/dtmf_codec.h"

#include <algorithm>

namespace hm3300::codec {

namespace {

// The DTMF digit of each nibble value.
constexpr std::string_view kDigitOfNibble = "D1234567890*#ABC";

// The nibble of "0"-"9" and "A"-"D", by their value as a hexadecimal digit; "E" and "F"
// have none.
constexpr std::string_view kNibbleOfHexDigit = "A123456789DEF0";

constexpr std::size_t kFieldLength = 16;

std::string_view firstCharacters(std::string_view text, int count) {
    return text.substr(0, static_cast<std::size_t>(std::max(count, 0)));
}

}  // namespace

bool isDtmfDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

std::string decodeDtmf(std::string_view hex, int count) {
    std::string digits;
    for (char c : firstCharacters(hex, count)) {
        const int nibble = hexValue(c);
        if (nibble >= 0) {
            digits += kDigitOfNibble[static_cast<std::size_t>(nibble)];
        }
    }
    return digits;
}

std::optional<HexText> encodeDtmf(std::string_view text, int count) {
    HexText hex;
    for (char c : firstCharacters(text, count)) {
        if (c == '#') {
            hex += 'C';
        } else if (c == '*') {
            hex += 'B';
        } else {
            const int value = hexValue(c);
            if (value < 0) {
                return std::nullopt;
            }
            if (static_cast<std::size_t>(value) < kNibbleOfHexDigit.size()) {
                hex += kNibbleOfHexDigit[static_cast<std::size_t>(value)];
            }
        }
    }
    return hex;
}

HexText encodeDtmfCodeField(std::string_view code) {
    // Only DTMF digits, at most 15, so the field always has its 16 characters; the write
    // check refuses codes that would lose anything here.
    std::string digits;
    for (char c : code) {
        if (isDtmfDigit(c) && digits.size() < kMaxDtmfDigits) {
            digits += c;
        }
    }
    const int count = static_cast<int>(digits.size());
    HexText field = encodeDtmf(digits, count).value_or(HexText{});
    field.append(kMaxDtmfDigits - digits.size(), 'F');
    return field + hexDigit(static_cast<unsigned>(count));
}

std::string decodeDtmfCodeField(std::string_view field) {
    const HexText h = normalizedField(field, kFieldLength);
    return decodeDtmf(h, hexValue(h.back()));
}

}  // namespace hm3300::codec
