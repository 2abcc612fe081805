#pragma once
// Runs hm3300d-cli from the build's bin folder and captures what it prints.

#include <string>

#include "support/temporary_folder.h"

namespace hm3300::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `arguments` are passed through a shell; quote them where needed.
CliResult runCli(const std::string& arguments);

}  // namespace hm3300::testing
