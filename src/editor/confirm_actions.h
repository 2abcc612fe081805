#pragma once
// What OK of the confirmation dialog does to the codeplug. The caller chooses the command
// (`PendingCommand`) before the dialog is shown; the dialog is the only place where New
// and the clearing of all channels run, so both always ask first.

#include "model/codeplug.h"

namespace hm3300::editor {

// What OK does. The dialog starts with None and holds MessageOnly after every OK.
enum class PendingCommand {
    None = 0,
    MessageOnly = 1,
    NewCodeplug = 2,
    ClearChannels = 3,
};

enum class ConfirmOutcome {
    Nothing,          // a warning, or an unknown command
    CodeplugReset,    // New: every option reset, call list at its defaults, channels empty
    ChannelsCleared,  // all 128 channels empty, options unchanged
};

// New keeps the band lists and SpareKeyAssignment; clearing empties all sixteen fields of
// every channel, the hidden attributes included.
ConfirmOutcome confirmOk(PendingCommand command, model::Codeplug& codeplug);

}  // namespace hm3300::editor
