#include "test_codeplugs.h"

#include "model/language_pack.h"

namespace hm3300::link::testing {

using model::ChannelField;
using model::Option;

const model::ValueTexts& valueTexts() {
    static const model::ValueTexts texts =
        model::ValueTexts::fromPack(model::LanguagePack::builtin());
    return texts;
}

model::BandLists radioBands() {
    model::BandLists bands;
    for (auto id : model::kBandListIds) {
        const bool band1 = id == model::BandListId::BAND_Rx || id == model::BandListId::BAND_Tx;
        bands[id] = {{band1 ? "400-470MHz" : "136-174MHz"}, 0};
    }
    return bands;
}

model::Channel newChannel(const std::string& rxFreq) {
    model::Channel channel;
    channel[ChannelField::RxFreq] = rxFreq;
    channel.fillNewChannelDefaults(valueTexts());
    return channel;
}

model::Codeplug richCodeplug() {
    const model::ValueTexts& t = valueTexts();
    model::Codeplug codeplug;
    codeplug.bands = radioBands();

    model::Channel& one = codeplug.channels.row(1) = newChannel("435.12500");
    one[ChannelField::Alias] = "CH-1";

    model::Channel& two = codeplug.channels.row(2) = newChannel("438.00625");
    two[ChannelField::TxFreq] = "433.00625";
    two[ChannelField::RxTone] = "D023I";
    two[ChannelField::RxCode] = "160";
    two[ChannelField::TxTone] = "67.0";
    two[ChannelField::TxCode] = "2";
    two[ChannelField::Power] = t.LowText;
    two[ChannelField::Bandwidth] = t.NarrowText;
    two[ChannelField::ScanAdd] = t.OffText;
    two[ChannelField::Dtmf] = t.OnText;
    two[ChannelField::PttId] = t.OnText;
    two[ChannelField::Alias] = "POLICE";
    two[ChannelField::TailElim] = t.OffText;
    two[ChannelField::Vox] = t.OnText;
    two[ChannelField::BusyLock] = t.OnText;
    two[ChannelField::VoiceMode] = t.ScramblerText;

    model::Channel& five = codeplug.channels.row(5) = newChannel("145.72500");
    five[ChannelField::TxFreq] = "145.12500";
    five[ChannelField::TxTone] = "D754N";
    five[ChannelField::TxCode] = "158";
    five[ChannelField::VoiceMode] = t.CompanderText;
    five[ChannelField::Alias] = "A B";

    codeplug.channels.row(128) = newChannel("462.55000");

    model::RadioSettings& s = codeplug.settings;
    s.setChoice(Option::APO, 12);
    s.setChoice(Option::scankind, 0);
    s.setChoice(Option::step, 1);
    s.setChoice(Option::VFO_MR, 0);
    s.setChoice(Option::MR_freq_MR_CH, 0);
    s.setChoice(Option::Squelch, 9);
    s.setChoice(Option::TOT, 0);
    s.setChoice(Option::Monitor, 1);
    s.setFlag(Option::Exp_Freq, true);
    s.setChoice(Option::Band, 1);
    s.setFlag(Option::Beep, false);
    s.setFlag(Option::Key_Lock, true);
    s.setFlag(Option::Save, false);
    s.setFlag(Option::EMG, false);
    s.setFlag(Option::FM_Enable, false);
    s.setChoice(Option::VoxSQL, 7);
    s.setChoice(Option::VoxDelay, 0);
    s.setFlag(Option::VoxRX, false);
    s.setNumber(Option::Digit_Time, 50);
    s.setNumber(Option::Digit_Space, 200);
    s.setNumber(Option::First_Digit, 500);
    s.setNumber(Option::Pretime, 1000);
    s.setNumber(Option::StarHashDelay, 400);
    s.setFlag(Option::ACK_Decode, false);
    s.setFlag(Option::DTMF_Side, false);
    s.setFlag(Option::Display_PTT_ID, false);
    s.setChoice(Option::PTT_ID, 2);
    s.setText(Option::BOT, "*0#");
    s.setText(Option::EOT, "ABCD");
    for (int entry = 0; entry < model::kCallListSize; ++entry) {
        s.setText(model::callOption(entry),
                  std::string(static_cast<std::size_t>(entry), '1') + "9");
    }
    s.setText(Option::Call9, "123456789012345");
    s.setChoice(Option::Group, 5);
    s.setText(Option::Private, "4711");
    s.setNumber(Option::Auto_Reset, 37);
    s.setFlag(Option::Auto_ACK, false);
    s.setFlag(Option::DTMF_Beep, false);
    s.setFlag(Option::Strip, false);
    s.setFlag(Option::Stun, false);
    s.setText(Option::Stun_Code, "12A#");
    s.setChoice(Option::Stun_Type, 0);
    s.setChoice(Option::Key_Assignment, 3);
    s.setFlag(Option::ChangePassword, true);
    s.setText(Option::Password, "246810");
    s.setChoice(Option::SpareKeyAssignment, 2);
    return codeplug;
}

}  // namespace hm3300::link::testing

namespace hm3300::link::testing {

namespace {

std::string optionValue(const model::RadioSettings& settings,
                        const model::OptionDefinition& definition) {
    switch (definition.kind) {
        case model::OptionKind::Choice:
            return std::to_string(settings.choice(definition.option));
        case model::OptionKind::Flag:
            return settings.flag(definition.option) ? "on" : "off";
        case model::OptionKind::Number:
            return std::to_string(settings.number(definition.option));
        case model::OptionKind::Text:
            return "\"" + settings.text(definition.option) + "\"";
    }
    return {};
}

std::string bandListText(const model::BandList& list) {
    std::string text;
    for (const auto& entry : list.entries) {
        text += entry + " ";
    }
    return text + "selected " + std::to_string(list.selected);
}

}  // namespace

std::string differences(const model::RadioSettings& actual, const model::RadioSettings& expected) {
    std::string lines;
    for (const model::OptionDefinition& definition : model::allOptions()) {
        const std::string a = optionValue(actual, definition);
        const std::string e = optionValue(expected, definition);
        if (a != e) {
            lines += std::string(definition.key) + ": " + a + ", expected " + e + "\n";
        }
    }
    return lines;
}

std::string differences(const model::Codeplug& actual, const model::Codeplug& expected) {
    std::string lines;
    for (int row = 1; row <= model::ChannelTable::kRows; ++row) {
        for (ChannelField field : model::allChannelFields()) {
            const std::string& a = actual.channels.row(row)[field];
            const std::string& e = expected.channels.row(row)[field];
            if (a != e) {
                lines += "row " + std::to_string(row) + " " + std::string(model::fieldName(field)) +
                         ": \"" + a + "\", expected \"" + e + "\"\n";
            }
        }
    }
    lines += differences(actual.settings, expected.settings);
    for (auto id : model::kBandListIds) {
        if (actual.bands[id] != expected.bands[id]) {
            lines += std::string(model::bandListName(id)) + ": " + bandListText(actual.bands[id]) +
                     ", expected " + bandListText(expected.bands[id]) + "\n";
        }
    }
    return lines;
}

}  // namespace hm3300::link::testing
