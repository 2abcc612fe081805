#pragma once
// The built programs run as separate processes, their output captured in files.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temporary_folder.h"

namespace hm3300::testing {

// Starts `program` from the build's bin folder with `arguments`, its standard output and
// standard error going to the files `outPath` and `errPath`. The process id, or -1.
pid_t startProgram(const std::string& program, std::vector<std::string> arguments,
                   const std::filesystem::path& outPath, const std::filesystem::path& errPath);

struct CliResult {
    int status = -1;  // the exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs hm3300d-cli with `arguments` to its end, its output kept in files of `folder`.
CliResult runCli(const std::vector<std::string>& arguments, const TemporaryFolder& folder);

// The same with the hm3300d-cli at `executable`: a copy beside language packs of a test's own.
CliResult runCliAt(const std::filesystem::path& executable,
                   const std::vector<std::string>& arguments, const TemporaryFolder& folder);

// The same, sending `signal` to it once `afterMs` milliseconds have passed.
CliResult runCliSignalled(const std::vector<std::string>& arguments, const TemporaryFolder& folder,
                          int signal, int afterMs);

}  // namespace hm3300::testing
