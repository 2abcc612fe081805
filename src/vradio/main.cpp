// hm3300d-vradio: a virtual HM-3300D radio on a pseudo-terminal, so the programming
// software can be run and tested without a radio. See --help.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "build_info.h"
#include "vradio/options.h"
#include "vradio/pty_server.h"
#include "vradio/radio_memory.h"
#include "vradio/serve_loop.h"
#include "vradio/unique_fd.h"

namespace {

using namespace hm3300::vradio;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The write end of the pipe that turns a stop signal into something poll() can wait for.
int stopPipeWriteEnd = -1;

extern "C" void onStopSignal(int) {
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const auto ignored = ::write(stopPipeWriteEnd, &byte, 1);
    errno = savedErrno;
}

// SIGINT, SIGTERM and SIGHUP make the read end readable. Returns the read end.
UniqueFd catchStopSignals(UniqueFd& writeEnd) {
    int ends[2];
    if (::pipe(ends) != 0) {
        throw std::runtime_error(std::string("cannot create a pipe: ") + std::strerror(errno));
    }
    UniqueFd readEnd(ends[0]);
    writeEnd = UniqueFd(ends[1]);
    // A full pipe must not block the signal handler; one byte waiting is enough to stop.
    if (::fcntl(writeEnd.get(), F_SETFL, O_NONBLOCK) != 0) {
        throw std::runtime_error(std::string("cannot set up the stop pipe: ") +
                                 std::strerror(errno));
    }
    stopPipeWriteEnd = writeEnd.get();
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        if (::sigaction(signal, &action, nullptr) != 0) {
            throw std::runtime_error(std::string("cannot catch the stop signals: ") +
                                     std::strerror(errno));
        }
    }
    return readEnd;
}

int run(const Options& options) {
    RadioMemory memory;
    if (const auto error = loadOrCreateImage(options.image, memory)) {
        std::cerr << "hm3300d-vradio: " << *error << '\n';
        return kExitFailure;
    }
    UniqueFd stopWriteEnd;
    const UniqueFd stopReadEnd = catchStopSignals(stopWriteEnd);
    const PtyServer pty(options.link);
    std::cout << pty.linkPath().string() << " -> " << pty.devicePath() << std::endl;
    return serve(pty.fd(), stopReadEnd.get(), options, memory) ? 0 : kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    const auto commandLine = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (commandLine.action) {
        case CommandLine::Action::ShowHelp:
            std::cout << helpText();
            return 0;
        case CommandLine::Action::ShowVersion:
            std::cout << "hm3300d-vradio " << hm3300::build::kVersion << '\n';
            return 0;
        case CommandLine::Action::Refuse:
            std::cerr << "hm3300d-vradio: " << commandLine.error
                      << "\nTry 'hm3300d-vradio --help'.\n";
            return kExitUsage;
        case CommandLine::Action::Serve:
            break;
    }
    try {
        return run(commandLine.options);
    } catch (const std::exception& error) {
        std::cerr << "hm3300d-vradio: " << error.what() << '\n';
        return kExitFailure;
    }
}
