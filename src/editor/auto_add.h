#pragma once
// Auto add: pressing the button fills the current row with a channel at the bottom of band
// 1 (or only commits a channel typed but not yet committed, or adds the next channel one
// step above the current one); holding it adds the next channel after a second and then
// one every 200 ms into the rows below, overwriting what they held, until row 128.
// The start and the wrap follow band 1's receive range (BAND_Rx) whatever band is active;
// each added frequency is normalised in the active band like a typed one.

#include <optional>

#include "editor/edit_state.h"
#include "editor/frequency_normalization.h"
#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::editor {

inline constexpr int kAutoAddFirstDelayMs = 1000;
inline constexpr int kAutoAddRepeatMs = 200;

struct AutoAddStep {
    // A band or frequency text that cannot be read: nothing was added and the repeat
    // must stop.
    std::optional<EditError> error;
    // The row the grid moves to, in column `editColumn`, when a channel was added.
    std::optional<int> gridRow;
};

// The press of the button.
AutoAddStep pressAutoAdd(EditState& state, model::Codeplug& codeplug,
                         const model::ValueTexts& texts);
// Each repeat while the button is held.
AutoAddStep repeatAutoAdd(EditState& state, model::Codeplug& codeplug,
                          const model::ValueTexts& texts);

// Row 128 is filled: further repeats add nothing.
bool autoAddFinished(const EditState& state);

}  // namespace hm3300::editor
