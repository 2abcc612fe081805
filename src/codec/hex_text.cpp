#include "codec/hex_text.h"

namespace hm3300::codec {

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEF";

}  // namespace

char hexDigit(unsigned value) {
    return kDigits[value & 0xFu];
}

HexText hexByte(unsigned value) {
    return {hexDigit(value >> 4), hexDigit(value)};
}

HexText hexWord(unsigned value) {
    return hexByte(value >> 8) + hexByte(value);
}

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

int byteAt(std::string_view hex, std::size_t offset) {
    if (offset >= hex.size() || hex.size() - offset < 2) {
        return -1;
    }
    const int high = hexValue(hex[offset]);
    const int low = hexValue(hex[offset + 1]);
    if (high < 0 || low < 0) {
        return -1;
    }
    return high * 16 + low;
}

HexText normalizedField(std::string_view hex, std::size_t length) {
    HexText field(length, 'F');
    for (std::size_t i = 0; i < length && i < hex.size(); ++i) {
        const int value = hexValue(hex[i]);
        if (value >= 0) {
            field[i] = hexDigit(static_cast<unsigned>(value));
        }
    }
    return field;
}

bool isHexText(std::string_view text) {
    if (text.size() % 2 != 0) {
        return false;
    }
    for (char c : text) {
        if (hexValue(c) < 0) {
            return false;
        }
    }
    return true;
}

HexText toHexText(std::span<const std::uint8_t> bytes) {
    HexText hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        hex += hexByte(byte);
    }
    return hex;
}

std::optional<std::vector<std::uint8_t>> hexTextToBytes(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t offset = 0; offset + 1 < hex.size(); offset += 2) {
        const int byte = byteAt(hex, offset);
        if (byte < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(byte));
    }
    return bytes;
}

}  // namespace hm3300::codec
