#include "model/channel.h"

#include <utility>

namespace hm3300::model {

namespace {

constexpr std::array<ChannelField, kChannelFieldCount> kAllFields{
    ChannelField::RxFreq,    ChannelField::RxTone,   ChannelField::TxFreq,
    ChannelField::TxTone,    ChannelField::Power,    ChannelField::Bandwidth,
    ChannelField::ScanAdd,   ChannelField::Dtmf,     ChannelField::PttId,
    ChannelField::Alias,     ChannelField::TailElim, ChannelField::Vox,
    ChannelField::BusyLock,  ChannelField::RxCode,   ChannelField::TxCode,
    ChannelField::VoiceMode,
};

constexpr std::array<std::string_view, kChannelFieldCount> kNames{
    "RxFreq", "RxTone", "TxFreq",   "TxTone", "Power",    "Bandwidth", "ScanAdd", "Dtmf",
    "PttId",  "Alias",  "TailElim", "Vox",    "BusyLock", "RxCode",    "TxCode",  "VoiceMode",
};

constexpr std::array<ValueKind, 1> kToneKinds{ValueKind::Off};
constexpr std::array<ValueKind, 2> kPowerKinds{ValueKind::High, ValueKind::Low};
constexpr std::array<ValueKind, 2> kBandwidthKinds{ValueKind::Narrow, ValueKind::Wide};
constexpr std::array<ValueKind, 2> kSwitchKinds{ValueKind::Off, ValueKind::On};
constexpr std::array<ValueKind, 3> kVoiceKinds{ValueKind::Off, ValueKind::Compander,
                                               ValueKind::Scrambler};

}  // namespace

std::span<const ChannelField> allChannelFields() {
    return kAllFields;
}

std::string_view fieldName(ChannelField field) {
    return kNames[static_cast<std::size_t>(field)];
}

bool isVisible(ChannelField field) {
    return static_cast<int>(field) < kVisibleFieldCount;
}

std::span<const ValueKind> valueKindsOf(ChannelField field) {
    switch (field) {
        case ChannelField::RxTone:
        case ChannelField::TxTone:
            return kToneKinds;
        case ChannelField::Power:
            return kPowerKinds;
        case ChannelField::Bandwidth:
            return kBandwidthKinds;
        case ChannelField::ScanAdd:
        case ChannelField::Dtmf:
        case ChannelField::PttId:
        case ChannelField::TailElim:
        case ChannelField::Vox:
        case ChannelField::BusyLock:
            return kSwitchKinds;
        case ChannelField::VoiceMode:
            return kVoiceKinds;
        default:
            return {};
    }
}

void Channel::clear() {
    for (auto& field : fields_) {
        field.clear();
    }
}

void Channel::clearVisible() {
    for (int i = 0; i < kVisibleFieldCount; ++i) {
        fields_[i].clear();
    }
}

void Channel::clearAllButVoiceMode() {
    std::string voiceMode = std::move((*this)[ChannelField::VoiceMode]);
    clear();
    (*this)[ChannelField::VoiceMode] = std::move(voiceMode);
}

void Channel::fillNewChannelDefaults(const ValueTexts& texts) {
    auto& self = *this;
    self[ChannelField::TxFreq] = self[ChannelField::RxFreq];
    self[ChannelField::RxTone] = texts.OffText;
    self[ChannelField::TxTone] = texts.OffText;
    self[ChannelField::Power] = texts.HighText;
    self[ChannelField::Bandwidth] = texts.WideText;
    self[ChannelField::ScanAdd] = texts.OnText;
    self[ChannelField::Dtmf] = texts.OffText;
    self[ChannelField::PttId] = texts.OffText;
    self[ChannelField::Alias].clear();
    self[ChannelField::TailElim] = texts.OnText;
    self[ChannelField::Vox] = texts.OffText;
    self[ChannelField::BusyLock] = texts.OffText;
    self[ChannelField::RxCode] = "0";
    self[ChannelField::TxCode] = "0";
    self[ChannelField::VoiceMode] = texts.OffText;
}

void Channel::convertValueTexts(const ValueTexts& texts) {
    for (ChannelField field : kAllFields) {
        std::string& cell = (*this)[field];
        if (const ValueKind* kind = recognise(cell, valueKindsOf(field))) {
            cell = texts.text(*kind);
        }
    }
}

}  // namespace hm3300::model
