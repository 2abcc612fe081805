#include "cli/radio_run.h"

#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/arguments.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"
#include "cli/progress_line.h"
#include "link/link_trace.h"
#include "port/event_loop_waiter.h"
#include "port/serial_port.h"

namespace hm3300::cli {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void requestStop(int signal) {
    stopSignal = signal;
}

// Ctrl-C and SIGTERM ask the run to stop while the handlers are installed; a second one
// ends the program at once, as it would without them.
class StopSignals {
public:
    StopSignals() {
        stopSignal = 0;
        struct sigaction action {};
        action.sa_handler = requestStop;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInterrupt_);
        sigaction(SIGTERM, &action, &previousTerminate_);
    }
    ~StopSignals() {
        sigaction(SIGINT, &previousInterrupt_, nullptr);
        sigaction(SIGTERM, &previousTerminate_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool requested() { return stopSignal != 0; }

private:
    struct sigaction previousInterrupt_ {};
    struct sigaction previousTerminate_ {};
};

int exitStatusOf(const link::RunOutcome& outcome) {
    switch (outcome.failure) {
        case link::RunFailure::None:
            return ExitStatus::Success;
        case link::RunFailure::NotWritable:
            return ExitStatus::NotWritable;
        case link::RunFailure::PortUnavailable:
            return ExitStatus::PortUnavailable;
        case link::RunFailure::LinkFailed:
            return ExitStatus::LinkFailed;
        case link::RunFailure::Interrupted:
            return ExitStatus::Interrupted;
    }
    return ExitStatus::LinkFailed;
}

void report(const link::RunOutcome& outcome, link::RunMode mode, const std::string& fileName) {
    const bool reading = mode == link::RunMode::Read;
    switch (outcome.failure) {
        case link::RunFailure::None:
            return;
        case link::RunFailure::NotWritable:
            printWriteProblems(fileName, outcome.problems, "nothing was sent to the radio");
            return;
        case link::RunFailure::PortUnavailable:
            std::cerr << "hm3300d-cli: " << outcome.description << "\n";
            return;
        case link::RunFailure::Interrupted:
            std::cerr << "hm3300d-cli: " << (reading ? "the read" : "the write") << " was "
                      << outcome.description << "; the radio left programming mode"
                      << (reading ? ", nothing was saved" : "") << "\n";
            return;
        case link::RunFailure::LinkFailed:
            std::cerr << "hm3300d-cli: " << (reading ? "the read" : "the write")
                      << " failed: " << outcome.description << "\n";
            return;
    }
}

}  // namespace

std::optional<RadioOptions> radioOptions(const Arguments& arguments, std::string& error) {
    const auto path = arguments.value("--port");
    if (!path || path->empty()) {
        error = "--port names no serial device (for example --port /dev/ttyUSB0)";
        return std::nullopt;
    }
    const link::Pacing pacing = arguments.has("--fast") ? link::Pacing::Fast : link::Pacing::Fixed;
    return RadioOptions{{*path, arguments.has("--single-head"), pacing},
                        arguments.value("--trace").value_or("")};
}

int runOnRadio(const RadioOptions& options, link::RunMode mode, model::Codeplug& codeplug,
               const model::ValueTexts& texts, const std::string& fileName) {
    std::ofstream traceFile;
    std::unique_ptr<link::LinkTrace> trace;
    if (!options.tracePath.empty()) {
        traceFile.open(options.tracePath, std::ios::binary | std::ios::trunc);
        if (!traceFile) {
            std::cerr << "hm3300d-cli: " << options.tracePath << ": cannot be written\n";
            return ExitStatus::FileError;
        }
        trace = std::make_unique<link::LinkTrace>(traceFile);
    }

    port::SerialPortProvider ports;
    port::EventLoopWaiter waiter;
    link::RadioSession session(ports, waiter, codeplug, texts);
    session.setTrace(trace.get());
    link::RunOutcome outcome = session.open(mode, options.session);
    if (outcome.ok()) {
        const StopSignals stopSignals;
        session.setStopRequest(&StopSignals::requested);
        ProgressLine progress(std::cerr, mode == link::RunMode::Read ? "reading" : "writing",
                              ::isatty(STDERR_FILENO));
        outcome =
            session.run([&progress](int value, int maximum) { progress.show(value, maximum); });
        session.close();
        progress.finish();
    }
    report(outcome, mode, fileName);
    return exitStatusOf(outcome);
}

}  // namespace hm3300::cli
