#include "codec/channel_slot.h"

#include "codec/frequency_codec.h"
#include "codec/name_codec.h"
#include "codec/tone_codec.h"

namespace hm3300::codec {

namespace {

using model::Channel;
using model::ChannelField;

constexpr std::size_t kSlotLength = 32;
constexpr std::size_t kNameFieldLength = 2 * kNameLength;
const HexText kConstantBytes = "FFFF";

// Positions of the four attribute nibbles in the slot text.
constexpr std::size_t kPowerNibble = 28;
constexpr std::size_t kVoiceNibble = 29;
constexpr std::size_t kSwitchNibble = 30;

// 0 same frequency, 1 transmit above receive, 2 transmit below. A transmit frequency that is
// no number (refused by the write check) counts as the same.
unsigned shiftNibble(const Channel& channel) {
    const auto rx = frequencyMHz(channel[ChannelField::RxFreq]);
    const auto tx = frequencyMHz(channel[ChannelField::TxFreq]);
    if (!rx || !tx || *rx == *tx) {
        return 0;
    }
    return *tx > *rx ? 1 : 2;
}

unsigned voiceNibble(const Channel& channel, const model::ValueTexts& texts) {
    const std::string& tailElim = channel[ChannelField::TailElim];
    unsigned nibble = tailElim.empty() || tailElim == texts.OnText ? 3 : 2;
    const std::string& voiceMode = channel[ChannelField::VoiceMode];
    if (voiceMode == texts.OffText) {
        nibble += 12;
    } else if (voiceMode == texts.ScramblerText) {
        nibble += 8;
    } else if (voiceMode == texts.CompanderText) {
        nibble += 4;
    }
    return nibble;
}

unsigned switchNibble(const Channel& channel, const model::ValueTexts& texts) {
    const auto off = [&](ChannelField field) { return channel[field] == texts.OffText ? 1u : 0u; };
    return 8 * off(ChannelField::ScanAdd) + 4 * off(ChannelField::Vox) +
           2 * off(ChannelField::Dtmf) + off(ChannelField::PttId);
}

const std::string& onOrOff(bool bitSet, const model::ValueTexts& texts) {
    return bitSet ? texts.OffText : texts.OnText;
}

void decodeVoiceNibble(int nibble, Channel& channel, const model::ValueTexts& texts) {
    channel[ChannelField::TailElim] = nibble % 2 == 1 ? texts.OnText : texts.OffText;
    switch (nibble / 4) {
        case 1:
            channel[ChannelField::VoiceMode] = texts.CompanderText;
            break;
        case 2:
            channel[ChannelField::VoiceMode] = texts.ScramblerText;
            break;
        case 3:
            channel[ChannelField::VoiceMode] = texts.OffText;
            break;
        default:
            break;  // the radio carries no voice mode: the channel keeps its own
    }
}

void decodeSwitchNibble(int nibble, Channel& channel, const model::ValueTexts& texts) {
    channel[ChannelField::PttId] = onOrOff(nibble & 1, texts);
    channel[ChannelField::Dtmf] = onOrOff(nibble & 2, texts);
    channel[ChannelField::Vox] = onOrOff(nibble & 4, texts);
    channel[ChannelField::ScanAdd] = onOrOff(nibble & 8, texts);
}

}  // namespace

HexText encodeChannelSlot(const Channel& channel, const model::ValueTexts& texts) {
    if (!channel.exists()) {
        return HexText(kSlotLength, 'F');
    }
    HexText slot = encodeFrequency(channel[ChannelField::RxFreq]) +
                   encodeFrequency(channel[ChannelField::TxFreq]) +
                   encodeRxTone(channel[ChannelField::RxTone], texts.OffText) +
                   encodeTxTone(channel[ChannelField::TxTone], texts.OffText) + kConstantBytes;
    slot += encodePowerNibble(channel, texts);
    slot += hexDigit(voiceNibble(channel, texts));
    slot += hexDigit(switchNibble(channel, texts));
    slot += hexDigit(shiftNibble(channel));
    return slot;
}

char encodePowerNibble(const Channel& channel, const model::ValueTexts& texts) {
    const std::string& power = channel[ChannelField::Power];
    const std::string& bandwidth = channel[ChannelField::Bandwidth];
    const std::string& busyLock = channel[ChannelField::BusyLock];
    if (power.empty() && bandwidth.empty() && busyLock.empty()) {
        return 'F';
    }
    unsigned nibble = 2;
    nibble += power == texts.HighText ? 8 : 0;
    nibble += bandwidth == texts.WideText ? 4 : 0;
    nibble += busyLock == texts.OffText ? 1 : 0;
    return hexDigit(nibble);
}

void decodeChannelSlot(Channel& channel, std::string_view slot, const model::ValueTexts& texts) {
    channel.clearAllButVoiceMode();
    const HexText h = normalizedField(slot, kSlotLength);
    if (h.starts_with("FF")) {
        return;
    }
    channel[ChannelField::RxFreq] = decodeFrequency(std::string_view(h).substr(0, 8));
    channel[ChannelField::TxFreq] = decodeFrequency(std::string_view(h).substr(8, 8));
    decodeTone(2, channel, std::string_view(h).substr(16, 4), texts.OffText);
    decodeTone(4, channel, std::string_view(h).substr(20, 4), texts.OffText);
    decodePowerNibble(h[kPowerNibble], channel, texts);
    decodeVoiceNibble(hexValue(h[kVoiceNibble]), channel, texts);
    decodeSwitchNibble(hexValue(h[kSwitchNibble]), channel, texts);
}

void decodePowerNibble(char nibble, Channel& channel, const model::ValueTexts& texts) {
    const int value = hexValue(normalizedField({&nibble, 1}, 1).front());
    channel[ChannelField::Power] = value & 8 ? texts.HighText : texts.LowText;
    channel[ChannelField::Bandwidth] = value & 4 ? texts.WideText : texts.NarrowText;
    channel[ChannelField::BusyLock] = onOrOff(value & 1, texts);
}

HexText encodeNameSlot(std::string_view alias) {
    // Cut to the six bytes of the field; the write check refuses longer names.
    return encodeText(alias).substr(0, kNameFieldLength) + kConstantBytes;
}

std::string decodeNameSlot(std::string_view slot) {
    const std::string name = decodeText(slot.substr(0, kNameFieldLength));
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

}  // namespace hm3300::codec
