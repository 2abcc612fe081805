#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"

namespace hm3300::cli {

namespace {

int check(const Arguments& arguments, CommandContext& context) {
    const std::string& path = arguments.positional().front();
    if (!context.open(path)) {
        return ExitStatus::FileError;
    }
    if (const auto problems = codec::checkWritable(context.codeplug, context.texts);
        !problems.empty()) {
        printWriteProblems(path, problems, "the codeplug cannot be written to a radio as it is");
        return ExitStatus::NotWritable;
    }
    std::cerr << path << ": can be written to a radio\n";
    return ExitStatus::Success;
}

}  // namespace

const Command& checkCommand() {
    static const Command command{
        "check",
        "tell whether a codeplug file can be written to a radio",
        "Usage: hm3300d-cli check FILE.p46 [--lang chinese|english|taiwan]\n"
        "\n"
        "Reads FILE.p46 and lists, one per line, every value a radio cannot take:\n"
        "frequencies off the 5 kHz / 6.25 kHz raster, unknown tones, DTMF codes with\n"
        "characters other than 0-9 A-D * #, aliases longer than six characters, options\n"
        "outside their range. Value words of any language are accepted.\n"
        "\n"
        "Exit status: 0 writable, 4 not writable, 3 the file cannot be read or the\n"
        "language pack is damaged, 2 usage.\n",
        {"--lang"},
        {},
        1,
        "one codeplug file",
        check,
    };
    return command;
}

}  // namespace hm3300::cli
