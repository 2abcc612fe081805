#include "cli/arguments.h"
#include "cli/channel_edit_command.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "editor/channel_commands.h"
#include "editor/confirm_actions.h"

namespace hm3300::cli {

namespace {

int clear(const Arguments& arguments, CommandContext& context) {
    const std::string& which = arguments.positional()[1];
    const auto number = parseChannelNumber(which);
    if (!number && which != "all") {
        return usageError(clearCommand(), "unknown channel \"" + which + "\": give " +
                                              std::string(kChannelNumbers) + " or all");
    }
    return editChannels(clearCommand(), arguments, context,
                        [&](CommandContext& opened) -> std::optional<AssignmentError> {
                            if (number) {
                                editor::deleteChannel(editor::EditState{.currentLine = *number},
                                                      opened.codeplug.channels);
                            } else {
                                editor::confirmOk(editor::PendingCommand::ClearChannels,
                                                  opened.codeplug);
                            }
                            return std::nullopt;
                        });
}

}  // namespace

const Command& clearCommand() {
    static const Command command{
        "clear",
        "delete one channel or all channels of a codeplug file",
        "Usage: hm3300d-cli clear FILE.p46 CHANNEL|all [-o OUT.p46]\n"
        "                         [--lang chinese|english|taiwan]\n"
        "\n"
        "Empties channel CHANNEL (1-128), or every channel, of FILE.p46, all sixteen\n"
        "fields, and saves the file in place, or as OUT.p46 with -o, in the language its\n"
        "words are in (--lang chooses another). The radio settings stay.\n"
        "\n"
        "Exit status: 0 done, 2 usage, 3 a file cannot be read or written.\n",
        {"--lang", "-o"},
        {},
        2,
        "a codeplug file and a channel number or all",
        clear,
    };
    return command;
}

}  // namespace hm3300::cli
