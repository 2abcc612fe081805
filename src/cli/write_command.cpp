#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"
#include "cli/radio_run.h"

namespace hm3300::cli {

namespace {

int write(const Arguments& arguments, CommandContext& context) {
    const auto password = arguments.value("--password");
    if (password && !model::isRadioPassword(*password)) {
        return usageError(writeCommand(), "--password takes six digits 0-9");
    }
    std::string error;
    const auto radio = radioOptions(arguments, error);
    if (!radio) {
        return usageError(writeCommand(), error);
    }
    const std::string& input = arguments.positional().front();
    if (!context.open(input)) {
        return ExitStatus::FileError;
    }
    if (password) {
        context.codeplug.settings.setFlag(model::Option::ChangePassword, true);
        context.codeplug.settings.setText(model::Option::Password, *password);
    }
    // Nothing reaches the radio unless every value can be written.
    const int status =
        runOnRadio(*radio, link::RunMode::Write, context.codeplug, context.texts, input);
    if (status == ExitStatus::Success) {
        std::cerr << "wrote " << input << " to the radio on " << radio->session.portPath << "\n";
    }
    return status;
}

}  // namespace

const Command& writeCommand() {
    static const Command command{
        "write",
        "write a codeplug file into the radio",
        "Usage: hm3300d-cli write --port PATH [OPTIONS] IN.p46\n"
        "\n"
        "Writes every channel and option of IN.p46 into the radio on the serial device\n"
        "PATH (for example /dev/ttyUSB0) at 9600 baud. IN.p46 is checked first, as the\n"
        "check command does: when any value cannot be written, every problem is listed on\n"
        "stdout, one per line, and nothing is sent. Value words of any language are\n"
        "accepted. Progress goes to stderr; a write takes about 22 seconds\n"
        "(about 7 with --fast).\n"
        "\n"
        "Options:\n"
        "  --password DIGITS             also set the radio password (six digits)\n"
        "  --single-head                 the cable is single-head and echoes every byte;\n"
        "                                VOX is written off on every channel\n"
        "  --lang chinese|english|taiwan language of the check's messages (default chinese)\n"
        "  --fast                        end each wait as soon as the radio's reply is in,\n"
        "                                instead of always waiting the protocol's full time\n"
        "  --trace FILE                  write every frame sent and received to FILE\n"
        "\n"
        "Ctrl-C stops the write after the frame in progress; the radio is told to leave\n"
        "programming mode, and the blocks written so far stay written.\n"
        "\n"
        "Exit status: 0 done, 1 the radio did not answer as expected (the message says\n"
        "at which block and what arrived), 2 usage, 3 IN.p46 cannot be read, the trace\n"
        "cannot be written or the language pack is damaged, 4 IN.p46 cannot be written\n"
        "to a radio (nothing sent), 5 the port cannot be opened, 130 stopped.\n",
        {"--port", "--lang", "--password", "--trace"},
        {"--single-head", "--fast"},
        1,
        "one codeplug file",
        write,
    };
    return command;
}

}  // namespace hm3300::cli
