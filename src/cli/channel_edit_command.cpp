#include "cli/channel_edit_command.h"

#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"

namespace hm3300::cli {

int editChannels(const Command& command, const Arguments& arguments, CommandContext& context,
                 const ChannelEdit& edit) {
    const std::string& input = arguments.positional().front();
    const std::string output = arguments.value("-o").value_or(input);
    if (output.empty()) {
        return usageError(command, "-o names no output file");
    }
    if (!context.openInItsLanguage(input)) {
        return ExitStatus::FileError;
    }
    if (const auto error = edit(context)) {
        if (error->kind == AssignmentError::Kind::Usage) {
            return usageError(command, error->message);
        }
        std::cerr << "hm3300d-cli: " << input << ": " << error->message
                  << "; nothing was written\n";
        return ExitStatus::FileError;
    }
    return context.save(output) ? ExitStatus::Success : ExitStatus::FileError;
}

}  // namespace hm3300::cli
