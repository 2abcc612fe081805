#pragma once
// How one radio option enables, disables or forces another on the option pages. The
// "apply" rules run when the operator (or a program setting a check box) changes the
// option; the "editable" answers give the enabled state that follows a check box.

#include "model/radio_settings.h"

namespace hm3300::editor {

// After an operator change of `VFO/MR` or `MR freq./MR CH`: in VFO mode the memory display
// is put back on "MR freq.". Returns whether `MR freq./MR CH` may be edited.
bool applyWorkingModeChange(model::RadioSettings& settings);
// Whether `MR freq./MR CH` may be edited in the working mode the settings hold.
bool memoryDisplayEditable(const model::RadioSettings& settings);

// After `Exp Freq.` was set: turning it off puts `Band` back on band 1.
// Returns whether `Band` may be edited.
bool applyExpandedBandSet(model::RadioSettings& settings);
bool bandEditable(const model::RadioSettings& settings);

// Which PTT ID codes may be edited for a `PTT ID` type (0 at start, 1 at end, 2 both).
struct PttIdCodes {
    bool bot;
    bool eot;
};
PttIdCodes editablePttIdCodes(int pttIdType);

// `Stun Code` and `Stun Type` follow `Stun`.
bool stunControlsEditable(const model::RadioSettings& settings);

// `Password` follows `ChangePassword`.
bool passwordEditable(const model::RadioSettings& settings);

}  // namespace hm3300::editor
