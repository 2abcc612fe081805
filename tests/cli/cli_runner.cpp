#include "cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace hm3300::testing {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string makeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "hm3300-test-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string{};
}

CliResult runCli(const std::string& arguments) {
    static const std::string folder = makeTempFolder();
    const std::string outPath = folder + "/stdout";
    const std::string errPath = folder + "/stderr";
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
