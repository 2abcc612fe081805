#include "codec/option_byte.h"

namespace hm3300::codec {

namespace {

using model::Option;

constexpr unsigned kBeepBit = 1u << 6;
constexpr unsigned kSaveBit = 1u << 3;
constexpr unsigned kVfoMrBit = 1u << 2;
constexpr unsigned kScanKindBit = 1u << 1;
// Bits 7, 5, 4 and 0 are always written as 1.
constexpr unsigned kFixedBits = 0xB1;

}  // namespace

HexText encodeOptionByte(const model::RadioSettings& settings) {
    unsigned byte = kFixedBits;
    byte |= settings.flag(Option::Beep) ? kBeepBit : 0;
    byte |= settings.flag(Option::Save) ? kSaveBit : 0;
    byte |= settings.choice(Option::VFO_MR) == 1 ? kVfoMrBit : 0;
    byte |= settings.choice(Option::scankind) == 1 ? kScanKindBit : 0;
    return hexByte(byte);
}

void decodeOptionByte(std::string_view hex, model::RadioSettings& settings) {
    const auto byte = static_cast<unsigned>(byteAt(normalizedField(hex, 2), 0));
    settings.setChoice(Option::scankind, byte & kScanKindBit ? 1 : 0);
    settings.setChoice(Option::VFO_MR, byte & kVfoMrBit ? 1 : 0);
    settings.setFlag(Option::Save, (byte & kSaveBit) != 0);
    settings.setFlag(Option::Beep, (byte & kBeepBit) != 0);
}

}  // namespace hm3300::codec
