#include "support/virtual_radio.h"

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "support/processes.h"

namespace hm3300::testing {

using namespace std::chrono_literals;

namespace {

bool exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

VirtualRadio::VirtualRadio(const TemporaryFolder& folder, const std::vector<std::string>& options)
    : logPath_(folder.file("vradio.log")) {
    const std::string link = folder.file("radio");
    std::vector<std::string> arguments{"--link", link, "--image", folder.file("radio.img"),
                                       "--verbose"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    pid_ = startProgram("hm3300d-vradio", arguments, folder.file("vradio.out"), logPath_);
    // The link appears once the terminal is ready.
    for (auto waited = 0ms; pid_ > 0 && waited < 10s; waited += 20ms) {
        if (std::filesystem::exists(link)) {
            port_ = link;
            return;
        }
        if (exited(pid_)) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(20ms);
    }
}

VirtualRadio::~VirtualRadio() {
    if (pid_ <= 0) {
        return;
    }
    kill(pid_, SIGTERM);
    for (auto waited = 0ms; waited < 5s; waited += 20ms) {
        if (exited(pid_)) {
            return;
        }
        std::this_thread::sleep_for(20ms);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

std::vector<std::string> VirtualRadio::log() const {
    std::istringstream in(readBytes(logPath_));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.find(" -> ") != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> VirtualRadio::logThrough(const std::string& request) const {
    for (auto waited = 0ms; waited < 5s; waited += 20ms) {
        auto lines = log();
        for (const std::string& line : lines) {
            if (line.starts_with(request)) {
                return lines;
            }
        }
        std::this_thread::sleep_for(20ms);
    }
    return log();
}

}  // namespace hm3300::testing
