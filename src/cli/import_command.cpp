#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"
#include "csv/channel_csv.h"
#include "file/file_io.h"
#include "model/quoted_text.h"

namespace hm3300::cli {

namespace {

std::string rows(int count) {
    return std::to_string(count) + (count == 1 ? " row" : " rows");
}

void printReports(const std::string& csvName, const csv::CsvImport& result) {
    int skipped = 0;
    for (const csv::RowReport& report : result.reports) {
        std::cerr << "hm3300d-cli: warning: " << csvName << ": " << csv::describeRow(report)
                  << "\n";
        skipped += report.skipped ? 1 : 0;
    }
    if (skipped > 0) {
        std::cerr << "hm3300d-cli: " << csvName << ": " << rows(result.imported) << " imported, "
                  << rows(skipped) << " skipped\n";
    }
}

int importChannels(const Arguments& arguments, CommandContext& context) {
    const std::string& csvPath = arguments.positional()[0];
    const std::string& input = arguments.positional()[1];
    const std::string output = arguments.value("-o").value_or(input);
    if (output.empty()) {
        return usageError(importCommand(), "-o names no output file");
    }
    std::string bytes;
    if (const auto error = file::readWholeFile(csvPath, csv::kMaxChannelCsvSize, bytes)) {
        std::cerr << "hm3300d-cli: " << *error << "\n";
        return ExitStatus::FileError;
    }
    if (!context.openInItsLanguage(input)) {
        return ExitStatus::FileError;
    }
    const std::string csvName = model::quotedText(csvPath);
    csv::CsvImport result;
    if (const auto error = csv::importChannelsCsv(bytes, context.codeplug, context.texts, result)) {
        std::cerr << "hm3300d-cli: " << csvName << ": " << error->message
                  << "; nothing was written\n";
        return ExitStatus::FileError;
    }
    printReports(csvName, result);
    if (!context.save(output)) {
        return ExitStatus::FileError;
    }
    return result.skippedAny() ? ExitStatus::RowsSkipped : ExitStatus::Success;
}

}  // namespace

const Command& importCommand() {
    static const Command command{
        "import",
        "set channels of a codeplug file from a CSV channel list",
        "Usage: hm3300d-cli import IN.csv FILE.p46 [-o OUT.p46]\n"
        "                          [--lang chinese|english|taiwan]\n"
        "\n"
        "Sets channels of FILE.p46 from the rows of IN.csv, a channel list in the CSV layout\n"
        "that `hm3300d-cli export` writes and the common open-source radio programmers read\n"
        "and write, and saves the file in place, or as OUT.p46 with -o. The file is written\n"
        "through a temporary file, in the language its words are in (--lang chooses another).\n"
        "\n"
        "The header line names the columns, in any order; it needs Location and Frequency,\n"
        "and a column it lacks is not carried: the channel keeps that value. Each row sets\n"
        "channel Location (1-128) as the window's channel editor would: frequencies are put\n"
        "on the 5 / 6.25 kHz raster, a new channel gets the window's defaults for what the\n"
        "CSV does not carry, a name is filtered, upper-cased and cut to six characters.\n"
        "Channels no row names stay as they are.\n"
        "\n"
        "A row that cannot be represented is reported on standard error with its line and\n"
        "location and skipped, and the other rows are imported: a location outside 1-128 or\n"
        "given twice, a frequency outside the receive range of the file's active band, Duplex\n"
        "off, a tone the tone list lacks, a mode other than FM and NFM, a value that cannot\n"
        "be read.\n"
        "\n"
        "Exit status: 0 done, 2 usage, 3 a file cannot be read or written, or IN.csv has no\n"
        "usable header line or a broken quote, or the file's band cannot be read (nothing is\n"
        "written), 6 done, but some rows were skipped.\n",
        {"--lang", "-o"},
        {},
        2,
        "a CSV file and a codeplug file",
        importChannels,
    };
    return command;
}

}  // namespace hm3300::cli
