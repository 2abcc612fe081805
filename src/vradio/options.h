#pragma once
// The command line of hm3300d-vradio.

#include <chrono>
#include <string>
#include <vector>

#include "vradio/faults.h"

namespace hm3300::vradio {

inline constexpr const char* kDefaultImage = "hm3300d-vradio.img";

struct Options {
    std::string link;  // symbolic link to the terminal device
    std::string image = kDefaultImage;
    bool singleHead = false;  // echo every received byte, as the single-head cable does
    bool verbose = false;     // one log line per frame on standard error
    bool pace = false;        // send at the speed of a 9600-baud line
    std::chrono::milliseconds latency{0};
    Faults faults;
};

struct CommandLine {
    enum class Action { Serve, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Serve;
    Options options{};
    std::string error{};  // why the command line is refused
};

// `arguments` without the program name. Options take their value as the next argument
// or after "=" ("--latency 20", "--latency=20").
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText();

}  // namespace hm3300::vradio
