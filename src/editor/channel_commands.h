#pragma once
// The commands on whole channels above the grid: move up, move down and delete. A channel
// travels with all sixteen fields, its hidden attributes included. Clearing all channels
// asks first and is done by the confirmation dialog (confirm_actions.h).

#include <optional>

#include "editor/edit_state.h"
#include "editor/frequency_normalization.h"
#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::editor {

// Commits the pending edit, then swaps the current channel with the one above (below) and
// follows it with `currentLine`. The swap needs a cell in the column last clicked: with
// the alias column chosen, a channel without an alias stays where it is; with ">>" chosen
// even an empty row moves. Nothing moves beyond row 1 (128) or when the commit fails.
std::optional<EditError> moveChannelUp(EditState& state, model::Codeplug& codeplug,
                                       const model::ValueTexts& texts);
std::optional<EditError> moveChannelDown(EditState& state, model::Codeplug& codeplug,
                                         const model::ValueTexts& texts);

// Empties all sixteen fields of the current channel, without asking and without a commit.
void deleteChannel(const EditState& state, model::ChannelTable& channels);

}  // namespace hm3300::editor
