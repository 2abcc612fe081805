#pragma once
// The single-channel page: what it shows of one channel (all sixteen fields, the hidden
// attributes included), which controls may be used, and what its lists and check boxes
// write back. The page holds no data: the current channel and the channel table are its
// state.

#include <optional>
#include <string>
#include <vector>

#include "model/channel.h"
#include "model/value_texts.h"

namespace hm3300::editor {

// The page's lists, each with items in a fixed order.
enum class PageList {
    RxTone,     // the tone list, entry 0 the no-tone word
    TxTone,     // the same
    Power,      // low, high
    Bandwidth,  // narrow, wide
    VoiceMode,  // off, compander, scrambler
};

// The page's check boxes, by the field each writes.
inline constexpr model::ChannelField kPageSwitches[] = {
    model::ChannelField::BusyLock, model::ChannelField::ScanAdd, model::ChannelField::TailElim,
    model::ChannelField::Dtmf,     model::ChannelField::PttId,   model::ChannelField::Vox,
};

// The field a list writes.
model::ChannelField pageListField(PageList list);
std::vector<std::string> pageListItems(PageList list, const model::ValueTexts& texts);

struct ChannelPageView {
    // The channel exists: every control may be used (VOX only in dual-head operation).
    bool channel = false;
    bool voxEnabled = false;
    std::string rxFreq;
    std::string txFreq;
    std::string alias;
    // Tone list positions: the tone code, or where the code cannot be read the tone's own
    // entry; -1 shows no entry.
    int rxTone = 0;
    int txTone = 0;
    int power = 1;
    int bandwidth = 1;
    // Nothing for a text the list does not hold: the list keeps the position it had.
    std::optional<int> voiceMode;
    // Checked states of kPageSwitches, in that order.
    std::vector<bool> switches;
};

// The page for `channel`. A row without a channel shows the values a new channel would get.
ChannelPageView channelPageView(const model::Channel& channel, const model::ValueTexts& texts,
                                bool singleHead);

// The operator chose item `index` of `list`: the field takes the item's text (and a tone
// its code). Nothing is written for a row without a channel.
void choosePageItem(model::Channel& channel, PageList list, int index,
                    const model::ValueTexts& texts);

// A check box was set. Tail elimination and VOX are written only where the hidden
// attributes exist, the others only for a channel.
void setPageSwitch(model::Channel& channel, model::ChannelField field, bool on,
                   const model::ValueTexts& texts);

}  // namespace hm3300::editor
