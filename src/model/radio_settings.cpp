#include "model/radio_settings.h"

#include <algorithm>
#include <cassert>

namespace hm3300::model {

namespace {

constexpr OptionDefinition choice(Option option, std::string_view key, int items, int index) {
    return {option, key, OptionKind::Choice, true, static_cast<double>(index), {}, items};
}
constexpr OptionDefinition flag(Option option, std::string_view key, bool on) {
    return {option, key, OptionKind::Flag, true, on ? 1.0 : 0.0, {}};
}
constexpr OptionDefinition number(Option option, std::string_view key, double minimum,
                                  double maximum, double increment, double value,
                                  double radioUnit) {
    return {option,  key,     OptionKind::Number, true, value, {},       0,
            minimum, maximum, increment,          0,    {},    radioUnit};
}
constexpr OptionDefinition dtmf(Option option, std::string_view key, std::size_t maxLength,
                                std::string_view text) {
    return {option, key, OptionKind::Text, true, 0, text, 0, 0, 0, 0, maxLength, TextCharset::Dtmf};
}
constexpr OptionDefinition outsideFile(OptionDefinition definition) {
    definition.inFile = false;
    return definition;
}

constexpr std::array<OptionDefinition, kOptionCount> kOptions{
    choice(Option::APO, "APO", 16, 0),
    choice(Option::scankind, "scankind", 2, 1),
    choice(Option::step, "step", 5, 4),
    choice(Option::VFO_MR, "VFO/MR", 2, 1),
    choice(Option::MR_freq_MR_CH, "MR freq./MR CH", 2, 1),
    choice(Option::Squelch, "Squelch", 10, 2),
    choice(Option::TOT, "TOT", 8, 3),
    choice(Option::Monitor, "Monitor", 4, 2),
    flag(Option::Exp_Freq, "Exp Freq.", false),
    choice(Option::Band, "Band", 2, 1),
    flag(Option::Beep, "Beep", true),
    flag(Option::Key_Lock, "Key Lock", false),
    flag(Option::Save, "Save", true),
    flag(Option::EMG, "EMG", true),
    flag(Option::FM_Enable, "FM Enable", true),
    choice(Option::VoxSQL, "VoxSQL", 8, 2),
    choice(Option::VoxDelay, "VoxDelay", 4, 2),
    flag(Option::VoxRX, "VoxRX", true),
    number(Option::Digit_Time, "Digit Time", 50, 200, 10, 100, 10),
    number(Option::Digit_Space, "Digit Space", 50, 200, 10, 100, 10),
    number(Option::First_Digit, "First Digit", 0, 500, 50, 0, 10),
    number(Option::Pretime, "Pretime", 100, 1000, 100, 400, 10),
    number(Option::StarHashDelay, "*&#Delay", 0, 400, 50, 0, 10),
    flag(Option::ACK_Decode, "ACK Decode", true),
    flag(Option::DTMF_Side, "DTMF Side", true),
    flag(Option::Display_PTT_ID, "Display PTT ID", true),
    choice(Option::PTT_ID, "PTT ID", 3, 0),
    dtmf(Option::BOT, "BOT", 15, "12345"),
    dtmf(Option::EOT, "EOT", 15, "12345"),
    dtmf(Option::Call0, "Call0", 15, "1000"),
    dtmf(Option::Call1, "Call1", 15, ""),
    dtmf(Option::Call2, "Call2", 15, ""),
    dtmf(Option::Call3, "Call3", 15, ""),
    dtmf(Option::Call4, "Call4", 15, ""),
    dtmf(Option::Call5, "Call5", 15, ""),
    dtmf(Option::Call6, "Call6", 15, ""),
    dtmf(Option::Call7, "Call7", 15, ""),
    dtmf(Option::Call8, "Call8", 15, ""),
    dtmf(Option::Call9, "Call9", 15, ""),
    choice(Option::Group, "Group", 6, 0),
    dtmf(Option::Private, "Private", 15, "1000"),
    number(Option::Auto_Reset, "Auto Reset", 3, 120, 1, 10, 0.5),
    flag(Option::Auto_ACK, "Auto ACK", true),
    flag(Option::DTMF_Beep, "DTMF Beep", true),
    flag(Option::Strip, "Strip", true),
    flag(Option::Stun, "Stun", true),
    dtmf(Option::Stun_Code, "Stun Code", 8, ""),
    choice(Option::Stun_Type, "Stun Type", 2, 1),
    choice(Option::Key_Assignment, "Key Assignment", 4, 1),
    outsideFile(flag(Option::ChangePassword, "ChangePassword", false)),
    outsideFile({Option::Password, "Password", OptionKind::Text, false, 0, kDefaultPassword, 0, 0,
                 0, 0, 6, TextCharset::Digits}),
    outsideFile(choice(Option::SpareKeyAssignment, "SpareKeyAssignment", 3, 0)),
};

constexpr bool optionsInEnumOrder() {
    for (int i = 0; i < kOptionCount; ++i) {
        if (static_cast<int>(kOptions[static_cast<std::size_t>(i)].option) != i) {
            return false;
        }
    }
    return true;
}
static_assert(optionsInEnumOrder(), "the option table follows the enumeration");

constexpr std::size_t slot(Option option) {
    return static_cast<std::size_t>(option);
}

}  // namespace

std::span<const OptionDefinition> allOptions() {
    return kOptions;
}

const OptionDefinition& optionDefinition(Option option) {
    return kOptions[slot(option)];
}

Option callOption(int entry) {
    assert(entry >= 0 && entry < kCallListSize);
    return static_cast<Option>(static_cast<int>(Option::Call0) + entry);
}

RadioSettings::RadioSettings() {
    for (const OptionDefinition& definition : kOptions) {
        values_[slot(definition.option)] = definition.defaultValue;
        texts_[slot(definition.option)] = definition.defaultText;
    }
}

int RadioSettings::choice(Option option) const {
    assert(optionDefinition(option).kind == OptionKind::Choice);
    return static_cast<int>(values_[slot(option)]);
}

void RadioSettings::setChoice(Option option, int index) {
    assert(optionDefinition(option).kind == OptionKind::Choice);
    values_[slot(option)] = index;
}

bool RadioSettings::flag(Option option) const {
    assert(optionDefinition(option).kind == OptionKind::Flag);
    return values_[slot(option)] != 0;
}

void RadioSettings::setFlag(Option option, bool on) {
    assert(optionDefinition(option).kind == OptionKind::Flag);
    values_[slot(option)] = on ? 1 : 0;
}

double RadioSettings::number(Option option) const {
    assert(optionDefinition(option).kind == OptionKind::Number);
    return values_[slot(option)];
}

void RadioSettings::setNumber(Option option, double value) {
    assert(optionDefinition(option).kind == OptionKind::Number);
    values_[slot(option)] = value;
}

const std::string& RadioSettings::text(Option option) const {
    assert(optionDefinition(option).kind == OptionKind::Text);
    return texts_[slot(option)];
}

void RadioSettings::setText(Option option, std::string text) {
    assert(optionDefinition(option).kind == OptionKind::Text);
    texts_[slot(option)] = std::move(text);
}

std::string effectivePassword(std::string_view text) {
    return std::string(text.size() == kDefaultPassword.size() ? text : kDefaultPassword);
}

bool isRadioPassword(std::string_view text) {
    return text.size() == kDefaultPassword.size() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void resetRadioSettings(RadioSettings& settings) {
    const int spareKey = settings.choice(Option::SpareKeyAssignment);
    settings = RadioSettings{};
    settings.setChoice(Option::SpareKeyAssignment, spareKey);
}

}  // namespace hm3300::model
