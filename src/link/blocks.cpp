#include "link/blocks.h"

#include <cassert>

#include "codec/dtmf_codec.h"
#include "codec/option_byte.h"
#include "link/memory_map.h"

namespace hm3300::link {

namespace {

using model::Option;

// The nibble at character `index` (0-based) of a normalised block.
int nibble(std::string_view block, std::size_t index) {
    return codec::hexValue(block[index]);
}

// The byte starting at byte `index` of a normalised block.
int byteOf(std::string_view block, std::size_t index) {
    return codec::byteAt(block, 2 * index);
}

bool bit(int value, int position) {
    return ((value >> position) & 1) != 0;
}

// Index fields hold one digit; indexes are validated before a write, the low nibble
// keeps a frame its length whatever happens.
char digit(int value) {
    return codec::hexDigit(static_cast<unsigned>(value));
}

int flagBit(const model::RadioSettings& settings, Option option, int position) {
    return settings.flag(option) ? 1 << position : 0;
}

int clearedWhenOn(const model::RadioSettings& settings, Option option, int position) {
    return settings.flag(option) ? 0 : 1 << position;
}

// A number in the radio's units (10 ms, half a second), truncated, as one byte.
HexText radioUnitsOf(const model::RadioSettings& settings, Option option) {
    const double unit = model::optionDefinition(option).radioUnit;
    return codec::hexByte(static_cast<unsigned>(settings.number(option) / unit));
}

void setFromRadioUnits(model::RadioSettings& settings, Option option, int units) {
    settings.setNumber(option, units * model::optionDefinition(option).radioUnit);
}

HexText twoCodeFields(std::string_view first, std::string_view second) {
    return codec::encodeDtmfCodeField(first) + codec::encodeDtmfCodeField(second);
}

void decodeTwoCodeFields(std::string_view data, model::RadioSettings& settings, Option first,
                         Option second) {
    const HexText block = codec::normalizedField(data, 2 * kBlockSize);
    settings.setText(first, codec::decodeDtmfCodeField(std::string_view(block).substr(0, 16)));
    settings.setText(second, codec::decodeDtmfCodeField(std::string_view(block).substr(16, 16)));
}

}  // namespace

HexText encodeOptionBlock(const model::RadioSettings& s, std::string_view startChannel) {
    HexText block(startChannel);
    block += "8002";
    block += {'0', digit(s.choice(Option::Squelch))};
    block += codec::encodeOptionByte(s);
    block += {'0', digit(s.choice(Option::step))};
    block += {'0', digit(s.choice(Option::TOT))};
    block += codec::hexByte(static_cast<unsigned>(s.choice(Option::APO)));
    block += digit(s.choice(Option::Band) + 2 * s.choice(Option::MR_freq_MR_CH) + 4 +
                   clearedWhenOn(s, Option::Key_Lock, 3));
    block += '9';
    block += digit(flagBit(s, Option::VoxRX, 0) + flagBit(s, Option::FM_Enable, 1) +
                   flagBit(s, Option::EMG, 2) + clearedWhenOn(s, Option::Exp_Freq, 3));
    block += "FFF0";
    block += digit(s.choice(Option::VoxSQL) + 1);
    block += {'0', digit(s.choice(Option::VoxDelay))};
    block += digit(1 + flagBit(s, Option::Strip, 1) + flagBit(s, Option::DTMF_Beep, 2) +
                   flagBit(s, Option::Auto_ACK, 3));
    block += digit((s.choice(Option::Monitor) & 3) + flagBit(s, Option::ACK_Decode, 2) +
                   flagBit(s, Option::DTMF_Side, 3));
    block += digit(7 + flagBit(s, Option::Display_PTT_ID, 3));
    block += digit(s.choice(Option::PTT_ID));
    block += 'F';
    block += digit(s.choice(Option::Group));
    assert(block.size() == 2 * kBlockSize);
    return block;
}

void decodeOptionBlock(std::string_view data, model::RadioSettings& s) {
    const HexText block = codec::normalizedField(data, 2 * kBlockSize);
    // Squelch, step and TOT are meant as one decimal digit; a nibble A-F is taken as its
    // value, which the write check then reports as outside the list.
    s.setChoice(Option::Squelch, nibble(block, 7));
    codec::decodeOptionByte(std::string_view(block).substr(8, 2), s);
    s.setChoice(Option::step, nibble(block, 11));
    s.setChoice(Option::TOT, nibble(block, 13));
    s.setChoice(Option::APO, nibble(block, 15));

    const int keys = nibble(block, 16);
    s.setChoice(Option::Band, bit(keys, 0) ? 1 : 0);
    s.setChoice(Option::MR_freq_MR_CH, bit(keys, 1) ? 1 : 0);
    s.setFlag(Option::Key_Lock, !bit(keys, 3));

    const int switches = nibble(block, 18);
    s.setFlag(Option::VoxRX, bit(switches, 0));
    s.setFlag(Option::FM_Enable, bit(switches, 1));
    s.setFlag(Option::EMG, bit(switches, 2));
    s.setFlag(Option::Exp_Freq, !bit(switches, 3));

    const int voxLevel = nibble(block, 23);
    const int voxLevels = model::optionDefinition(Option::VoxSQL).itemCount;
    s.setChoice(Option::VoxSQL, voxLevel > voxLevels ? 2 : voxLevel - 1);
    const int voxDelay = nibble(block, 25);
    const int voxDelays = model::optionDefinition(Option::VoxDelay).itemCount;
    s.setChoice(Option::VoxDelay, voxDelay > voxDelays ? 2 : voxDelay);

    const int decode = nibble(block, 26);
    s.setFlag(Option::Strip, bit(decode, 1));
    s.setFlag(Option::DTMF_Beep, bit(decode, 2));
    s.setFlag(Option::Auto_ACK, bit(decode, 3));
    const int monitor = nibble(block, 27);
    s.setChoice(Option::Monitor, monitor & 3);
    s.setFlag(Option::ACK_Decode, bit(monitor, 2));
    s.setFlag(Option::DTMF_Side, bit(monitor, 3));

    s.setFlag(Option::Display_PTT_ID, bit(nibble(block, 28), 3));
    s.setChoice(Option::PTT_ID, nibble(block, 29) % 4);
    // Group codes 8 to 15 stand for no group the radio knows; the option keeps its value.
    if (const int group = nibble(block, 31); group <= 7) {
        s.setChoice(Option::Group, group);
    }
}

HexText encodeDtmfBlock(const model::RadioSettings& s) {
    HexText block = "FFFFF";
    block += digit(s.choice(Option::SpareKeyAssignment));
    block += 'F';
    block += digit(s.choice(Option::Key_Assignment));
    block += radioUnitsOf(s, Option::Digit_Time);
    block += radioUnitsOf(s, Option::Digit_Space);
    block += radioUnitsOf(s, Option::First_Digit);
    block += radioUnitsOf(s, Option::Pretime);
    block += radioUnitsOf(s, Option::StarHashDelay);
    block += s.flag(Option::Stun) ? 'F' : '7';
    block += digit(s.choice(Option::Stun_Type));
    block += radioUnitsOf(s, Option::Auto_Reset);
    assert(block.size() == 2 * kDtmfBlockWriteSize);
    return block;
}

void decodeDtmfBlock(std::string_view data, model::RadioSettings& s) {
    const HexText block = codec::normalizedField(data, 2 * kBlockSize);
    s.setChoice(Option::SpareKeyAssignment, nibble(block, 5) % 4);
    s.setChoice(Option::Key_Assignment, nibble(block, 7) % 4);
    setFromRadioUnits(s, Option::Digit_Time, byteOf(block, 4));
    setFromRadioUnits(s, Option::Digit_Space, byteOf(block, 5));
    setFromRadioUnits(s, Option::First_Digit, byteOf(block, 6));
    setFromRadioUnits(s, Option::Pretime, byteOf(block, 7));
    setFromRadioUnits(s, Option::StarHashDelay, byteOf(block, 8));
    s.setFlag(Option::Stun, nibble(block, 18) / 8 == 1);
    s.setChoice(Option::Stun_Type, bit(nibble(block, 19), 0) ? 1 : 0);
    setFromRadioUnits(s, Option::Auto_Reset, byteOf(block, 10));
}

std::array<std::string, 4> decodeBandBlock(std::string_view data) {
    const HexText block = codec::normalizedField(data, 2 * kBlockSize);
    std::array<std::string, 4> ranges;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        // Each range is the upper limit, then the lower; a limit is its first three digits.
        const std::string_view range = std::string_view(block).substr(8 * i, 8);
        ranges[i] = std::string(range.substr(4, 3)) + "-" + std::string(range.substr(0, 3)) + "MHz";
    }
    return ranges;
}

HexText encodePasswordBlock(const model::RadioSettings& s) {
    HexText block;
    for (char c : model::effectivePassword(s.text(Option::Password))) {
        block += {'0', c};
    }
    return block;
}

void decodePasswordBlock(std::string_view data, model::RadioSettings& s) {
    const HexText block = codec::normalizedField(data, 2 * kPasswordBlockWriteSize);
    std::string password;
    for (std::size_t i = 1; i < block.size(); i += 2) {
        password += block[i];
    }
    s.setText(Option::Password, password);
}

HexText encodeCallBlock(int block, const model::RadioSettings& s) {
    return twoCodeFields(s.text(model::callOption(2 * block)),
                         s.text(model::callOption(2 * block + 1)));
}

void decodeCallBlock(int block, std::string_view data, model::RadioSettings& s) {
    decodeTwoCodeFields(data, s, model::callOption(2 * block), model::callOption(2 * block + 1));
}

HexText encodeClearedBlock() {
    return HexText(2 * kBlockSize, 'F');
}

HexText encodeIdBlock(const model::RadioSettings& s) {
    return twoCodeFields(s.text(Option::Private), s.text(Option::Stun_Code));
}

void decodeIdBlock(std::string_view data, model::RadioSettings& s) {
    decodeTwoCodeFields(data, s, Option::Private, Option::Stun_Code);
}

HexText encodeCodeBlock(const model::RadioSettings& s) {
    return twoCodeFields(s.text(Option::BOT), s.text(Option::EOT));
}

void decodeCodeBlock(std::string_view data, model::RadioSettings& s) {
    decodeTwoCodeFields(data, s, Option::BOT, Option::EOT);
}

}  // namespace hm3300::link
