#pragma once
// Single-head communication: the radio cannot use VOX, so no channel may keep it on.

#include "model/channel_table.h"
#include "model/value_texts.h"

namespace hm3300::editor {

// Every channel whose Vox is the current OnText gets OffText; other texts stay. Returns
// whether any channel changed. Nothing changes while no language has set the value texts.
bool ForceVoxOff(model::ChannelTable& channels, const model::ValueTexts& texts);

}  // namespace hm3300::editor
