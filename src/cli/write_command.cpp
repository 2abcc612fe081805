#include <algorithm>
#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/radio_run.h"
#include "cli/session.h"

namespace hm3300::cli {

namespace {

bool isPassword(const std::string& text) {
    return text.size() == 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int write(const Arguments& arguments, Session& session) {
    const auto password = arguments.value("--password");
    if (password && !isPassword(*password)) {
        return usageError(writeCommand(), "--password takes six digits 0-9");
    }
    std::string error;
    const auto port = radioPortOptions(arguments, error);
    if (!port) {
        return usageError(writeCommand(), error);
    }
    const std::string& input = arguments.positional().front();
    if (!session.open(input)) {
        return ExitStatus::FileError;
    }
    if (password) {
        session.codeplug.settings.setFlag(model::Option::ChangePassword, true);
        session.codeplug.settings.setText(model::Option::Password, *password);
    }

    // Nothing reaches the radio unless every value can be written.
    if (!session.listWriteProblems(input, "nothing was sent to the radio")) {
        return ExitStatus::NotWritable;
    }

    const int status = runOnRadio(*port, link::RunMode::Write, session.codeplug, session.texts);
    if (status == ExitStatus::Success) {
        std::cerr << "wrote " << input << " to the radio on " << port->path << "\n";
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
        "accepted. Progress goes to stderr; a write takes about 25 seconds.\n"
        "\n"
        "Options:\n"
        "  --password DIGITS             also set the radio password (six digits)\n"
        "  --single-head                 the cable is single-head and echoes every byte\n"
        "  --lang chinese|english|taiwan language of the check's messages (default chinese)\n"
        "\n"
        "Exit status: 0 done, 1 the radio did not answer as expected (the message says\n"
        "at which block and what arrived), 2 usage, 3 IN.p46 cannot be read, 4 IN.p46\n"
        "cannot be written to a radio (nothing sent), 5 the port cannot be opened.\n",
        {"--port", "--lang", "--password"},
        {"--single-head"},
        1,
        "one codeplug file",
        write,
    };
    return command;
}

}  // namespace hm3300::cli
