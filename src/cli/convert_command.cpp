#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"

namespace hm3300::cli {

namespace {

int convert(const Arguments& arguments, CommandContext& context) {
    const std::string& input = arguments.positional()[0];
    const std::string& output = arguments.positional()[1];
    if (!context.open(input) || !context.save(output)) {
        return ExitStatus::FileError;
    }
    return ExitStatus::Success;
}

}  // namespace

const Command& convertCommand() {
    static const Command command{
        "convert",
        "rewrite a codeplug file in another language",
        "Usage: hm3300d-cli convert IN.p46 OUT.p46 [--lang chinese|english|taiwan]\n"
        "\n"
        "Reads IN.p46 and saves it as OUT.p46 with the value words (on/off, power,\n"
        "bandwidth, voice mode) and option texts of the chosen language (default\n"
        "chinese). OUT.p46 is written in GBK with CR LF line ends, as the window saves.\n"
        "IN.p46 may also be UTF-8 or have LF line ends.\n"
        "\n"
        "Exit status: 0 done, 3 a file cannot be read or written or the\n"
        "language pack is damaged, 2 usage.\n",
        {"--lang"},
        {},
        2,
        "an input and an output file",
        convert,
    };
    return command;
}

}  // namespace hm3300::cli
