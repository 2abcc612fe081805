#include <iostream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/text_table.h"
#include "model/quoted_text.h"
#include "port/port_list.h"

namespace hm3300::cli {

namespace {

// What the system says about a port comes from outside: shown escaped, "-" when it says
// nothing.
std::string cell(const QString& text) {
    return text.isEmpty() ? std::string("-") : model::escapedText(text.toStdString());
}

int ports(const Arguments& arguments, CommandContext& /*context*/) {
    const auto path = arguments.value("--port");
    std::vector<port::PortDescription> found;
    if (path) {
        if (path->empty()) {
            return usageError(portsCommand(), "--port names no serial device");
        }
        found.push_back(port::describePort(QString::fromStdString(*path)));
    } else {
        found = port::availablePorts();
        if (found.empty()) {
            std::cerr << "hm3300d-cli: no serial port found: plug the programming cable in, "
                         "or name its device with --port\n";
            return ExitStatus::Success;
        }
    }
    TextTable table;
    table.addRow({"DEVICE", "DESCRIPTION", "MAKER", "USB ID", "CAN BE OPENED"});
    for (const port::PortDescription& port : found) {
        table.addRow({cell(port.device), cell(QString::fromStdString(port.description.english())),
                      cell(port.maker), cell(port.usbId),
                      port.access ? std::string("yes") : "no: " + port.access.reason.english()});
    }
    table.print(std::cout);
    return path && !found.front().access ? ExitStatus::PortUnavailable : ExitStatus::Success;
}

}  // namespace

const Command& portsCommand() {
    static const Command command{
        "ports",
        "list the serial ports, to find the programming cable",
        "Usage: hm3300d-cli ports [--port PATH]\n"
        "\n"
        "Lists the serial ports of this machine: the device, what the system knows about\n"
        "it (description, maker, USB vendor:product) and whether you can open it now. When\n"
        "you cannot, it says why and what to do: most often your user is not yet in the\n"
        "group the device belongs to (dialout on Debian). A USB programming cable usually\n"
        "appears as /dev/ttyUSB0 or /dev/ttyACM0 when it is plugged in.\n"
        "\n"
        "Options:\n"
        "  --port PATH  describe only the device PATH, which may also be a link to a\n"
        "               pseudo-terminal such as the virtual radio's\n"
        "\n"
        "Exit status: 0 done, 2 usage, 5 the device of --port cannot be opened.\n",
        {"--port"},
        {},
        0,
        {},
        ports,
    };
    return command;
}

}  // namespace hm3300::cli
