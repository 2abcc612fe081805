#include "editor/channel_page_rules.h"

#include <charconv>

#include "editor/grid_editing.h"
#include "model/tone_list.h"

namespace hm3300::editor {

namespace {

using model::ChannelField;
using model::ValueKind;

std::vector<ValueKind> listKinds(PageList list) {
    switch (list) {
        case PageList::Power:
            return {ValueKind::Low, ValueKind::High};
        case PageList::Bandwidth:
            return {ValueKind::Narrow, ValueKind::Wide};
        case PageList::VoiceMode:
            return {ValueKind::Off, ValueKind::Compander, ValueKind::Scrambler};
        default:
            return {};
    }
}

// The list position of the value text `cell`, if the list holds it.
std::optional<int> positionOf(PageList list, const std::string& cell,
                              const model::ValueTexts& texts) {
    const std::vector<ValueKind> kinds = listKinds(list);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (cell == texts.text(kinds[i])) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// A tone code is the decimal index into the tone list; a code that is not one (a file
// edited by hand) gives way to the tone text.
int tonePosition(const std::string& code, const std::string& tone, const model::ValueTexts& texts) {
    int index = -1;
    const auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), index);
    if (code.empty() || ec != std::errc{} || end != code.data() + code.size() || index < 0 ||
        index >= model::ToneList::kSize) {
        return model::ToneList::indexOf(tone, texts.OffText);
    }
    return index;
}

bool isTone(PageList list) {
    return list == PageList::RxTone || list == PageList::TxTone;
}

}  // namespace

ChannelField pageListField(PageList list) {
    switch (list) {
        case PageList::RxTone:
            return ChannelField::RxTone;
        case PageList::TxTone:
            return ChannelField::TxTone;
        case PageList::Power:
            return ChannelField::Power;
        case PageList::Bandwidth:
            return ChannelField::Bandwidth;
        case PageList::VoiceMode:
            return ChannelField::VoiceMode;
    }
    return ChannelField::Power;
}

std::vector<std::string> pageListItems(PageList list, const model::ValueTexts& texts) {
    if (isTone(list)) {
        return toneItems(texts);
    }
    std::vector<std::string> items;
    for (ValueKind kind : listKinds(list)) {
        items.push_back(texts.text(kind));
    }
    return items;
}

ChannelPageView channelPageView(const model::Channel& channel, const model::ValueTexts& texts,
                                bool singleHead) {
    ChannelPageView view;
    if (!channel.exists()) {
        // What a new channel would get.
        view.voiceMode = 0;
        for (ChannelField field : kPageSwitches) {
            view.switches.push_back(field == ChannelField::ScanAdd ||
                                    field == ChannelField::TailElim);
        }
        return view;
    }
    view.channel = true;
    view.voxEnabled = !singleHead;
    view.rxFreq = channel[ChannelField::RxFreq];
    view.txFreq = channel[ChannelField::TxFreq];
    view.alias = channel[ChannelField::Alias];
    view.rxTone = tonePosition(channel[ChannelField::RxCode], channel[ChannelField::RxTone], texts);
    view.txTone = tonePosition(channel[ChannelField::TxCode], channel[ChannelField::TxTone], texts);
    view.power = channel[ChannelField::Power] == texts.HighText ? 1 : 0;
    view.bandwidth = channel[ChannelField::Bandwidth] == texts.WideText ? 1 : 0;
    view.voiceMode = positionOf(PageList::VoiceMode, channel[ChannelField::VoiceMode], texts);
    for (ChannelField field : kPageSwitches) {
        view.switches.push_back(channel[field] != texts.OffText);
    }
    return view;
}

void choosePageItem(model::Channel& channel, PageList list, int index,
                    const model::ValueTexts& texts) {
    const std::vector<std::string> items = pageListItems(list, texts);
    if (!channel.exists() || index < 0 || index >= static_cast<int>(items.size())) {
        return;
    }
    channel[pageListField(list)] = items[static_cast<std::size_t>(index)];
    if (isTone(list)) {
        channel[list == PageList::RxTone ? ChannelField::RxCode : ChannelField::TxCode] =
            std::to_string(index);
    }
}

void setPageSwitch(model::Channel& channel, model::ChannelField field, bool on,
                   const model::ValueTexts& texts) {
    const bool hidden = field == ChannelField::TailElim || field == ChannelField::Vox;
    const bool writable = hidden ? !channel[ChannelField::TailElim].empty() : channel.exists();
    if (writable) {
        channel[field] = on ? texts.OnText : texts.OffText;
    }
}

}  // namespace hm3300::editor
