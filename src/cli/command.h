#pragma once
// A subcommand of hm3300d-cli: its name, its help text, the options it takes and what it does.

#include <set>
#include <string>
#include <string_view>

namespace hm3300::cli {

class Arguments;

struct Command {
    std::string_view name;
    std::string_view summary;  // one line for the overview
    std::string_view help;     // the full --help text
    std::set<std::string> valuedOptions;
    std::set<std::string> switches;
    int (*run)(const Arguments& arguments);
};

const Command& checkCommand();
const Command& convertCommand();
const Command& showCommand();
const Command& readCommand();
const Command& writeCommand();

// Prints `message` and the command's usage line to stderr; returns the usage exit status.
int usageError(const Command& command, const std::string& message);

}  // namespace hm3300::cli
