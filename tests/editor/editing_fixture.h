#pragma once
// A codeplug as the channel editor sees it: band 1 "400-470MHz" active, band 2
// "136-174MHz", the 25 kHz step, and the built-in simplified-Chinese value words.

#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

namespace hm3300::editor::test {

using model::ChannelField;

inline model::ValueTexts chineseTexts() {
    return model::ValueTexts::fromPack(model::LanguagePack::builtin());
}

inline model::Codeplug editingCodeplug() {
    model::Codeplug codeplug;
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx], "400-470MHz");
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx1], "136-174MHz");
    codeplug.settings.setChoice(model::Option::Band, 1);
    codeplug.settings.setChoice(model::Option::step, 4);
    return codeplug;
}

// A complete channel at `frequency` with every hidden attribute set apart from the
// defaults, so that it can be told where it travels.
inline model::Channel sampleChannel(const char* frequency, const model::ValueTexts& texts) {
    model::Channel channel;
    channel[ChannelField::RxFreq] = frequency;
    channel.fillNewChannelDefaults(texts);
    channel[ChannelField::Alias] = "RPT";
    channel[ChannelField::BusyLock] = texts.OnText;
    channel[ChannelField::VoiceMode] = texts.ScramblerText;
    channel[ChannelField::TxTone] = "D023N";
    channel[ChannelField::TxCode] = "53";
    return channel;
}

}  // namespace hm3300::editor::test
