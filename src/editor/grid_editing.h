#pragma once
// What the operator's clicks, keys and wheel do on the channel grid. The grid's cells are
// not edited in place: arriving at a frequency, tone or alias cell lays an editor over it,
// and a click on one of the five switch columns flips its value. Before the grid arrives
// anywhere, the cell it leaves is committed (channel_commit.h).

#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_state.h"
#include "model/channel_table.h"
#include "model/value_texts.h"

namespace hm3300::editor {

enum class OverlayEditor { None, Frequency, Tone, Alias };

// Arriving at cell (column, row), by a click, a key, the wheel or a move of the program:
// the state follows the cell, a switch column flips unless `skipNextToggle` says the
// operator did not click it, and the editor to lay over the cell is returned. Only the
// receive frequency opens on a row without a channel.
OverlayEditor arriveAt(EditState& state, model::ChannelTable& channels,
                       const model::ValueTexts& texts, int column, int row);

// The value switch column `column` (5 to 9) takes on a click: the other one of its two
// values; a text that is neither (another language's word) becomes the first of them
// (high, wide, on).
std::string toggledValue(int column, std::string_view cell, const model::ValueTexts& texts);

// The tone lists' items: the tone list with entry 0 in the current language.
std::vector<std::string> toneItems(const model::ValueTexts& texts);

// The tone drop-down's choice: the tone cell it was opened on takes the item's text and
// the hidden code its index. Nothing is written once that row holds no channel.
void chooseTone(const EditState& state, model::ChannelTable& channels, int index,
                const model::ValueTexts& texts);

// Before a move by the keyboard, the wheel or the program: the switch cell it reaches does
// not flip, only a click flips one.
void suppressNextToggle(EditState& state);

// Delete on the grid empties the ten visible cells of the current channel; the hidden
// attributes follow at the next commit, which finds the receive frequency empty.
void deleteVisibleCells(const EditState& state, model::ChannelTable& channels);

// Backspace on a complete frequency cell empties it. Returns whether it did.
bool emptyFrequencyCell(const EditState& state, model::ChannelTable& channels);

// A character typed on the grid (Enter and Backspace included): it starts a new entry in
// the open frequency or alias editor, as typing over a cell does.
struct GridTyping {
    enum class Action {
        Nothing,
        FocusFrequencyEditor,  // Enter: continue in the open frequency editor
        StartFrequency,        // `text` replaces the frequency editor's text
        StartAlias,            // `text` replaces the alias editor's text
        CloseAliasEditor,      // Enter: hide the alias editor, the grid keeps the focus
    };
    Action action = Action::Nothing;
    std::string text;
};
GridTyping typeOnGrid(const EditState& state, const model::ChannelTable& channels, char32_t key,
                      bool enter, OverlayEditor openEditor);

}  // namespace hm3300::editor
