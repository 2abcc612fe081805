#pragma once
// Runs hm3300d-cli from the build's bin folder and captures what it prints.

#include <string>

namespace hm3300::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `arguments` are passed through a shell; quote them where needed.
CliResult runCli(const std::string& arguments);

// A fresh empty folder under the system's temporary folder.
std::string makeTempFolder();
std::string readBytes(const std::string& path);

}  // namespace hm3300::testing
