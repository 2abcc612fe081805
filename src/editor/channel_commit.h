#pragma once
// Finishing an edit: a typed frequency is normalised, a channel whose receive frequency was
// just entered gets the new-channel defaults, and a channel whose receive frequency was
// emptied is emptied altogether. Leaving a grid cell, Enter in a frequency field, the
// channel commands, the single-channel page and the file and radio commands all finish an
// edit here.

#include <optional>

#include "editor/edit_state.h"
#include "editor/frequency_normalization.h"
#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::editor {

// Commits cell (editColumn, currentLine), the first case that applies:
// - the receive frequency is empty: every field of the channel is emptied;
// - a new channel (a receive frequency but no receive tone yet): the receive frequency is
//   normalised and every other field gets its new-channel default;
// - a frequency column of an existing channel: that frequency is normalised, and a
//   transmit frequency left empty takes the receive frequency;
// - otherwise nothing.
// On an error nothing changes and the next commit tries again.
std::optional<EditError> commitEdit(const EditState& state, model::Codeplug& codeplug,
                                    const model::ValueTexts& texts);

// An edit waits for its commit: a frequency was typed into the cell being edited, or the
// current channel has a receive frequency but not yet its defaults.
bool editPending(const EditState& state, const model::ChannelTable& channels);

// The commit for a whole channel, as when the single-channel page leaves it: like
// commitEdit, with both frequencies of an existing channel normalised.
std::optional<EditError> commitChannel(int row, model::Codeplug& codeplug,
                                       const model::ValueTexts& texts);

}  // namespace hm3300::editor
