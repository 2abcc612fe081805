#include "programs.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

extern char** environ;

namespace hm3300::e2e {

using namespace std::chrono_literals;

namespace {

// Starts `program` from the build's bin folder with stdout and stderr sent to files.
pid_t spawn(const std::string& program, std::vector<std::string> arguments,
            const std::string& outPath, const std::string& errPath) {
    arguments.insert(arguments.begin(), std::string(HM3300_BIN_DIR) + "/" + program);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

CliResult runCli(const std::vector<std::string>& arguments, const TemporaryFolder& folder) {
    const std::string outPath = folder.file("cli.out");
    const std::string errPath = folder.file("cli.err");
    CliResult result;
    const pid_t pid = spawn("hm3300d-cli", arguments, outPath, errPath);
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.out = readBytes(outPath);
    result.err = readBytes(errPath);
    return result;
}

VirtualRadio::VirtualRadio(const TemporaryFolder& folder, const std::vector<std::string>& options)
    : logPath_(folder.file("vradio.log")) {
    const std::string link = folder.file("radio");
    std::vector<std::string> arguments{"--link", link, "--image", folder.file("radio.img"),
                                       "--verbose"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    pid_ = spawn("hm3300d-vradio", arguments, folder.file("vradio.out"), logPath_);
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

}  // namespace hm3300::e2e
