#include "cli/radio_run.h"

#include <unistd.h>

#include <iostream>

#include "cli/arguments.h"
#include "cli/exit_status.h"
#include "cli/progress_line.h"
#include "port/event_loop_waiter.h"
#include "port/port_probe.h"
#include "port/serial_port.h"

namespace hm3300::cli {

std::optional<RadioPortOptions> radioPortOptions(const Arguments& arguments, std::string& error) {
    const auto path = arguments.value("--port");
    if (!path || path->empty()) {
        error = "--port names no serial device (for example --port /dev/ttyUSB0)";
        return std::nullopt;
    }
    return RadioPortOptions{*path, arguments.has("--single-head")};
}

int runOnRadio(const RadioPortOptions& options, link::RunMode mode, model::Codeplug& codeplug,
               const model::ValueTexts& texts) {
    const QString path = QString::fromStdString(options.path);
    if (const port::PortProbe probe = port::probePort(path); !probe) {
        std::cerr << "hm3300d-cli: " << probe.reason.toStdString() << "\n";
        return ExitStatus::PortUnavailable;
    }
    port::SerialPort serial(path);
    port::EventLoopWaiter waiter;
    link::SerialLink link(serial, waiter);
    link.setSingleHead(options.singleHead);
    serial.attach(link);
    if (!serial.setOpen(true)) {
        std::cerr << "hm3300d-cli: " << options.path
                  << " cannot be opened: " << serial.problem().toStdString() << "\n";
        return ExitStatus::PortUnavailable;
    }

    const bool reading = mode == link::RunMode::Read;
    ProgressLine progress(std::cerr, reading ? "reading" : "writing", ::isatty(STDERR_FILENO));
    link::ProgrammingRun run(link, codeplug, texts, [&progress](int value, int maximum) {
        progress.show(value, maximum);
    });
    run.chooseStartChannel();
    const link::RunOutcome outcome = run.run(mode);
    serial.setOpen(false);
    progress.finish();
    if (outcome.ok) {
        return ExitStatus::Success;
    }
    std::cerr << "hm3300d-cli: " << (reading ? "the read" : "the write")
              << " failed: " << outcome.description << "\n";
    if (const QString problem = serial.problem(); !problem.isEmpty()) {
        std::cerr << "hm3300d-cli: " << options.path << ": " << problem.toStdString() << "\n";
    }
    // The port reset at the start of the run could not open the port again.
    return outcome.step == "port" ? ExitStatus::PortUnavailable : ExitStatus::LinkFailed;
}

}  // namespace hm3300::cli
