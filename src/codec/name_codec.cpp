#include "codec/name_codec.h"

#include <algorithm>

namespace hm3300::codec {

namespace {

// The character of each display code 0x00 ... 0x2A.
constexpr std::string_view kDisplayCharacters = "0123456789-+_/. ABCDEFGHIJKLMNOPQRSTUVWXYZ*";

constexpr std::size_t kFieldLength = 2 * kNameLength;
constexpr std::string_view kNoName = "FFFFFFFFFFFF";
constexpr unsigned kBlankCode = 0x0F;

}  // namespace

int displayCode(char c) {
    const std::size_t code = kDisplayCharacters.find(c);
    return code == std::string_view::npos ? -1 : static_cast<int>(code);
}

std::size_t displayableLength(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return displayCode(c) >= 0; }));
}

std::string decodeText(std::string_view hex) {
    const HexText field = normalizedField(hex, kFieldLength);
    if (field == kNoName) {
        return {};
    }
    std::string text;
    for (std::size_t offset = 0; offset < kFieldLength; offset += 2) {
        const auto code = static_cast<std::size_t>(byteAt(field, offset));
        if (code < kDisplayCharacters.size()) {
            text += kDisplayCharacters[code];
        }
    }
    return text;
}

HexText encodeText(std::string_view text) {
    HexText hex;
    for (char c : text) {
        if (const int code = displayCode(c); code >= 0) {
            hex += hexByte(static_cast<unsigned>(code));
        }
    }
    while (hex.size() < kFieldLength) {
        hex += hexByte(kBlankCode);
    }
    return hex;
}

}  // namespace hm3300::codec
