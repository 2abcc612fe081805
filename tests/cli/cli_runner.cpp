#include "cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>

namespace hm3300::testing {

CliResult runCli(const std::string& arguments) {
    static const TemporaryFolder folder;
    const std::string outPath = folder.file("stdout");
    const std::string errPath = folder.file("stderr");
    const std::string command = std::string(HM3300_BIN_DIR) + "/hm3300d-cli " + arguments + " >" +
                                outPath + " 2>" + errPath;
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readBytes(outPath);
    result.err = readBytes(errPath);
    return result;
}

}  // namespace hm3300::testing
