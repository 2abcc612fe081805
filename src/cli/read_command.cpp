#include <QDateTime>
#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"
#include "cli/radio_run.h"
#include "file/file_io.h"
#include "places/backups.h"

namespace hm3300::cli {

namespace {

// Every read is kept, before OUT.p46 is saved: should that save fail, the backup still holds
// what the radio gave. A backup that cannot be made does not fail the read.
void keepBackup(const CommandContext& context) {
    const places::BackupResult backup =
        places::saveBackup(context.codeplug, context.pack, QDateTime::currentDateTime());
    if (backup.ok()) {
        std::cerr << "backup: " << backup.path.toStdString() << "\n";
    } else {
        std::cerr << "hm3300d-cli: warning: the read was not backed up: " << backup.error << "\n";
    }
}

int read(const Arguments& arguments, CommandContext& context) {
    const auto output = arguments.value("-o");
    if (!output || output->empty()) {
        return usageError(readCommand(), "-o names no output file");
    }
    std::string error;
    const auto radio = radioOptions(arguments, error);
    if (!radio) {
        return usageError(readCommand(), error);
    }
    // A read takes over 20 seconds: one whose result cannot be kept does not start.
    if (const auto error = file::checkReplaceable(*output)) {
        std::cerr << "hm3300d-cli: " << *error << "; the radio was not read\n";
        return ExitStatus::FileError;
    }

    // A fresh document: the band lists hold exactly the ranges the radio reports.
    const int status =
        runOnRadio(*radio, link::RunMode::Read, context.codeplug, context.texts, *output);
    if (status != ExitStatus::Success) {
        return status;
    }
    keepBackup(context);
    if (!context.save(*output)) {
        return ExitStatus::FileError;
    }
    std::cerr << "read " << context.codeplug.channels.channelCount() << " channels from "
              << radio->session.portPath << " into " << *output << "\n";
    return ExitStatus::Success;
}

}  // namespace

const Command& readCommand() {
    static const Command command{
        "read",
        "read the radio into a codeplug file",
        "Usage: hm3300d-cli read --port PATH [OPTIONS] -o OUT.p46\n"
        "\n"
        "Reads every channel and option of the radio on the serial device PATH (for\n"
        "example /dev/ttyUSB0) at 9600 baud and saves them as OUT.p46. The band lists of\n"
        "OUT.p46 are the ranges the radio reports. Progress goes to stderr; a read takes\n"
        "about 22 seconds, or about 7 with --fast.\n"
        "\n"
        "Options:\n"
        "  --single-head                 the cable is single-head and echoes every byte\n"
        "  --lang chinese|english|taiwan value words of OUT.p46 (default chinese)\n"
        "  --fast                        end each wait as soon as the radio's reply is in,\n"
        "                                instead of always waiting the protocol's full time\n"
        "  --trace FILE                  write every frame sent and received to FILE\n"
        "\n"
        "Ctrl-C stops the read after the frame in progress; the radio is told to leave\n"
        "programming mode and OUT.p46 is not written.\n"
        "\n"
        "Every successful read is also kept as a backup, DATE-TIME.p46 in\n"
        "$XDG_DATA_HOME/hm3300d/backups (~/.local/share/hm3300d/backups); backups are\n"
        "never deleted. A backup that cannot be saved is a warning, not a failure.\n"
        "\n"
        "Exit status: 0 done, 1 the radio did not answer as expected (the message says\n"
        "at which block and what arrived; OUT.p46 is not written), 2 usage, 3 OUT.p46\n"
        "or the trace cannot be written (tried before the radio is read) or the language\n"
        "pack is damaged, 5 the port cannot be opened, 130 stopped.\n",
        {"--port", "--lang", "-o", "--trace"},
        {"--single-head", "--fast"},
        0,
        {},
        read,
    };
    return command;
}

}  // namespace hm3300::cli
