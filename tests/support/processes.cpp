#include "support/processes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

extern char** environ;

namespace hm3300::testing {

namespace {

pid_t spawn(const std::filesystem::path& executable, std::vector<std::string> arguments,
            const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
    arguments.insert(arguments.begin(), executable.string());
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

}  // namespace

pid_t startProgram(const std::string& program, std::vector<std::string> arguments,
                   const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
    return spawn(std::filesystem::path(HM3300_BIN_DIR) / program, std::move(arguments), outPath,
                 errPath);
}

namespace {

CliResult runCliWith(const std::filesystem::path& executable,
                     const std::vector<std::string>& arguments, const TemporaryFolder& folder,
                     int signal, int afterMs) {
    const std::string outPath = folder.file("cli.out");
    const std::string errPath = folder.file("cli.err");
    CliResult result;
    const pid_t pid = spawn(executable, arguments, outPath, errPath);
    if (pid > 0 && signal != 0) {
        ::usleep(static_cast<useconds_t>(afterMs) * 1000);
        ::kill(pid, signal);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.out = readBytes(outPath);
    result.err = readBytes(errPath);
    return result;
}

const std::filesystem::path kCli = std::filesystem::path(HM3300_BIN_DIR) / "hm3300d-cli";

}  // namespace

CliResult runCli(const std::vector<std::string>& arguments, const TemporaryFolder& folder) {
    return runCliWith(kCli, arguments, folder, 0, 0);
}

CliResult runCliAt(const std::filesystem::path& executable,
                   const std::vector<std::string>& arguments, const TemporaryFolder& folder) {
    return runCliWith(executable, arguments, folder, 0, 0);
}

CliResult runCliSignalled(const std::vector<std::string>& arguments, const TemporaryFolder& folder,
                          int signal, int afterMs) {
    return runCliWith(kCli, arguments, folder, signal, afterMs);
}

}  // namespace hm3300::testing
