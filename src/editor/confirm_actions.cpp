#include "editor/confirm_actions.h"

namespace hm3300::editor {

ConfirmOutcome confirmOk(int pendingCommand, model::Codeplug& codeplug) {
    switch (pendingCommand) {
        case kNewCodeplug:
            // The reset values include the password and the call list defaults.
            model::resetRadioSettings(codeplug.settings);
            codeplug.channels.clearAll();
            return ConfirmOutcome::CodeplugReset;
        case kClearChannels:
            codeplug.channels.clearAll();
            return ConfirmOutcome::ChannelsCleared;
        default:
            return ConfirmOutcome::Nothing;
    }
}

}  // namespace hm3300::editor
