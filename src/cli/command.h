#pragma once
// A subcommand of hm3300d-cli: its name, its help text, the options and file names it takes
// and what it does. The dispatcher checks the words and starts the context before `run`.

#include <cstddef>
#include <set>
#include <string>
#include <string_view>

namespace hm3300::cli {

class Arguments;
struct CommandContext;

struct Command {
    std::string_view name;
    std::string_view summary;  // one line for the overview
    std::string_view help;     // the full --help text
    std::set<std::string> valuedOptions;
    std::set<std::string> switches;
    // How many file names follow the command, and how a usage error names them ("one
    // codeplug file"); a command that takes none refuses any other word.
    std::size_t fileCount;
    std::string_view fileNames;
    // Runs with the words checked against the declaration and the context of --lang.
    int (*run)(const Arguments& arguments, CommandContext& context);
    // More words may follow the `fileCount` first ones (set's FIELD=VALUE).
    bool moreWords = false;
};

const Command& checkCommand();
const Command& convertCommand();
const Command& showCommand();
const Command& readCommand();
const Command& writeCommand();
const Command& setCommand();
const Command& clearCommand();
const Command& exportCommand();
const Command& importCommand();
const Command& portsCommand();

// Prints `message` and the command's usage line to stderr; returns the usage exit status.
int usageError(const Command& command, const std::string& message);

}  // namespace hm3300::cli
