#pragma once
// The pseudo-terminal that the program opens as its serial port, reached through a
// symbolic link. The radio also keeps the program's end open itself, so the program may
// close and reopen the port without the radio's end ever reporting a hang-up.

#include <filesystem>
#include <string>

#include "vradio/unique_fd.h"

namespace hm3300::vradio {

class PtyServer {
public:
    // Creates the terminal in raw mode and points `link` at it; an existing symbolic link
    // is replaced, any other file is left alone. Throws std::runtime_error with the reason.
    explicit PtyServer(std::filesystem::path link);
    // Removes the link if it still points to this terminal.
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // The radio's end: read what the program sends, write the replies. Non-blocking.
    int fd() const { return radioEnd_.get(); }
    const std::string& devicePath() const { return devicePath_; }
    const std::filesystem::path& linkPath() const { return link_; }

private:
    UniqueFd radioEnd_;
    UniqueFd programEnd_;
    std::string devicePath_;
    std::filesystem::path link_;
};

}  // namespace hm3300::vradio
