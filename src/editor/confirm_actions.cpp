#include "editor/confirm_actions.h"

namespace hm3300::editor {

ConfirmOutcome confirmOk(PendingCommand command, model::Codeplug& codeplug) {
    switch (command) {
        case PendingCommand::NewCodeplug:
            // The reset values include the password and the call list defaults.
            model::resetRadioSettings(codeplug.settings);
            codeplug.channels.clearAll();
            return ConfirmOutcome::CodeplugReset;
        case PendingCommand::ClearChannels:
            codeplug.channels.clearAll();
            return ConfirmOutcome::ChannelsCleared;
        default:
            return ConfirmOutcome::Nothing;
    }
}

}  // namespace hm3300::editor
