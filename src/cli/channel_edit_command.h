#pragma once
// What `set` and `clear` share: the file is opened in the language of its words (or of
// --lang), edited, and saved in that language through a temporary file, in place or as
// the -o file. Nothing is written when the edit fails.

#include <functional>
#include <optional>
#include <string>

#include "cli/channel_assignment.h"

namespace hm3300::cli {

class Arguments;
struct Command;
struct CommandContext;

// The edit of channel `number` (nothing for "all"); returns why it cannot be done.
using ChannelEdit = std::function<std::optional<AssignmentError>(CommandContext& context)>;

// Opens the file named by the first word, applies `edit`, saves; returns the exit status.
int editChannels(const Command& command, const Arguments& arguments, CommandContext& context,
                 const ChannelEdit& edit);

}  // namespace hm3300::cli
