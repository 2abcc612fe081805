#include "cli/arguments.h"
#include "cli/channel_edit_command.h"
#include "cli/command.h"
#include "cli/command_context.h"

namespace hm3300::cli {

namespace {

int set(const Arguments& arguments, CommandContext& context) {
    const std::vector<std::string>& words = arguments.positional();
    const auto number = parseChannelNumber(words[1]);
    if (!number) {
        return usageError(setCommand(), "unknown channel \"" + words[1] + "\": give " +
                                            std::string(kChannelNumbers));
    }
    const std::vector<std::string> fields(words.begin() + 2, words.end());
    return editChannels(setCommand(), arguments, context, [&](CommandContext& opened) {
        return assignChannelFields(opened.codeplug, opened.texts, *number, fields);
    });
}

}  // namespace

const Command& setCommand() {
    static const Command command{
        "set",
        "change the fields of one channel in a codeplug file",
        "Usage: hm3300d-cli set FILE.p46 CHANNEL FIELD=VALUE... [-o OUT.p46]\n"
        "                       [--lang chinese|english|taiwan]\n"
        "\n"
        "Changes channel CHANNEL (1-128) of FILE.p46 as the channel editor of the window\n"
        "does, and saves the file in place, or as OUT.p46 with -o. The file is written\n"
        "through a temporary file, so a failed save leaves it as it was.\n"
        "\n"
        "Fields:\n"
        "  rx=MHZ        receive frequency, put on the 5 / 6.25 kHz raster and into the\n"
        "                active band of the file; on an empty channel it creates the\n"
        "                channel with the window's defaults; rx= deletes the channel\n"
        "  tx=MHZ        transmit frequency, normalised the same way; tx= takes rx\n"
        "  rxtone=TONE   off, a CTCSS tone such as 88.5, or a DCS code such as D023N\n"
        "  txtone=TONE   (normal) or D023I (inverted)\n"
        "  power=high|low   bandwidth=wide|narrow   voice=off|compander|scrambler\n"
        "  scan, dtmf, pttid, busylock, tailelim, vox =on|off\n"
        "  alias=NAME    up to six characters, upper case; characters the radio cannot\n"
        "                show are dropped\n"
        "Value words of the three languages (ON, 启用, 高功率, ...) are taken too. rx is\n"
        "applied first, the other fields in their order.\n"
        "\n"
        "The file is saved in the language its words are in; --lang chooses another.\n"
        "\n"
        "Example: hm3300d-cli set radio.p46 5 rx=435.125 rxtone=88.5 alias=rpt1\n"
        "\n"
        "Exit status: 0 done, 2 usage (an unknown channel, field or value: nothing is\n"
        "written), 3 a file cannot be read or written, or its band cannot be read.\n",
        {"--lang", "-o"},
        {},
        3,
        "a codeplug file, a channel number and FIELD=VALUE",
        set,
        true,
    };
    return command;
}

}  // namespace hm3300::cli
