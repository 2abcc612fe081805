#include "codeplug_samples.h"

#include <gtest/gtest.h>

namespace hm3300::file::test {

using model::ChannelField;
using model::Option;

model::LanguagePack shippedPack(model::Language language) {
    const std::string path =
        std::string(HM3300_SOURCE_DIR) + "/lang/" + std::string(model::packName(language)) + ".lng";
    std::string error;
    auto pack = model::LanguagePack::loadFile(path, &error);
    EXPECT_TRUE(pack) << path << ": " << error;
    return pack ? *pack : model::LanguagePack::builtin();
}

model::Codeplug sampleCodeplug(const model::ValueTexts& texts) {
    model::Codeplug codeplug;
    auto& settings = codeplug.settings;
    for (const model::OptionDefinition& definition : model::allOptions()) {
        switch (definition.kind) {
            case model::OptionKind::Choice:
                settings.setChoice(
                    definition.option,
                    definition.itemCount - 1 == static_cast<int>(definition.defaultValue)
                        ? 0
                        : definition.itemCount - 1);
                break;
            case model::OptionKind::Flag:
                settings.setFlag(definition.option, definition.defaultValue == 0);
                break;
            case model::OptionKind::Number:
                settings.setNumber(definition.option, definition.maximum);
                break;
            case model::OptionKind::Text:
                settings.setText(definition.option, "12AB*#");
                break;
        }
    }
    settings.setChoice(Option::APO, 12);
    settings.setText(Option::Stun_Code, "");
    settings.setText(Option::Password, "123456");

    using model::BandListId;
    codeplug.bands[BandListId::BAND_Rx] = {{"136-174MHz", "400-470MHz"}, 1};
    codeplug.bands[BandListId::BAND_Tx] = {{"400-470MHz"}, 0};
    codeplug.bands[BandListId::BAND_Rx1] = {{"136-174MHz"}, 0};
    codeplug.bands[BandListId::BAND_Tx1] = {{"136-174MHz", "350-390MHz"}, 1};

    auto& channels = codeplug.channels;
    channels.row(1)[ChannelField::RxFreq] = "145.12500";
    channels.row(1).fillNewChannelDefaults(texts);

    model::Channel& full = channels.row(3);
    full[ChannelField::RxFreq] = "435.12500";
    full.fillNewChannelDefaults(texts);
    full[ChannelField::TxFreq] = "430.00000";
    full[ChannelField::RxTone] = "D023I";
    full[ChannelField::RxCode] = "160";
    full[ChannelField::TxTone] = "67.0";
    full[ChannelField::TxCode] = "2";
    full[ChannelField::Power] = texts.LowText;
    full[ChannelField::Bandwidth] = texts.NarrowText;
    full[ChannelField::ScanAdd] = texts.OffText;
    full[ChannelField::Dtmf] = texts.OnText;
    full[ChannelField::PttId] = texts.OnText;
    full[ChannelField::Alias] = "AB-1 /";
    full[ChannelField::TailElim] = texts.OffText;
    full[ChannelField::Vox] = texts.OnText;
    full[ChannelField::BusyLock] = texts.OnText;
    full[ChannelField::VoiceMode] = texts.ScramblerText;

    channels.row(128)[ChannelField::RxFreq] = "446.00625";
    channels.row(128).fillNewChannelDefaults(texts);
    return codeplug;
}

}  // namespace hm3300::file::test
