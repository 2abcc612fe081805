#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"
#include "csv/channel_csv.h"
#include "file/file_io.h"

namespace hm3300::cli {

namespace {

int exportChannels(const Arguments& arguments, CommandContext& context) {
    const std::vector<std::string>& words = arguments.positional();
    if (!context.open(words[0])) {
        return ExitStatus::FileError;
    }
    if (const auto error =
            file::replaceFile(words[1], csv::exportChannelsCsv(context.codeplug, context.texts))) {
        std::cerr << "hm3300d-cli: " << *error << "\n";
        return ExitStatus::FileError;
    }
    return ExitStatus::Success;
}

}  // namespace

const Command& exportCommand() {
    static const Command command{
        "export",
        "write the channels of a codeplug file as CSV for other radio programmers",
        "Usage: hm3300d-cli export FILE.p46 OUT.csv\n"
        "\n"
        "Writes the channels of FILE.p46 to OUT.csv in the CSV layout that the common\n"
        "open-source radio programmers read and write: the header line\n"
        "  Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,\n"
        "  DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,\n"
        "  RPT2CALL,DVCODE\n"
        "then one row for each channel that has a receive frequency, lines ending in CR LF.\n"
        "OUT.csv is written through a temporary file, so a failed write leaves it as it was.\n"
        "\n"
        "Exit status: 0 done, 2 usage, 3 a file cannot be read or written.\n",
        {},
        {},
        2,
        "a codeplug file and a CSV file",
        exportChannels,
    };
    return command;
}

}  // namespace hm3300::cli
