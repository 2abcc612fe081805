#pragma once
// The virtual radio served on a pseudo-terminal for the life of a test, for the command
// line and the window to read and write.

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/temporary_folder.h"

namespace hm3300::testing {

// hm3300d-vradio with --verbose on a terminal linked from `folder`, its memory kept in a
// fresh image file there. Stopped with SIGTERM when the object goes.
class VirtualRadio {
public:
    VirtualRadio(const TemporaryFolder& folder, const std::vector<std::string>& options = {});
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // The serial device to open; empty when the radio did not start.
    const std::string& port() const { return port_; }
    // One line per frame the radio received: "request -> reply: note".
    std::vector<std::string> log() const;
    // The log once a line starting with `request` (HexText of a frame) is in it, waiting
    // up to a few seconds for the radio to take in what was sent.
    std::vector<std::string> logThrough(const std::string& request) const;

private:
    pid_t pid_ = -1;
    std::string port_;
    std::string logPath_;
};

}  // namespace hm3300::testing
