#include "vradio/pty_server.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace hm3300::vradio {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Raw bytes both ways: no echo, no line editing, no translation of CR and LF.
void makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        fail("cannot read the terminal settings");
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        fail("cannot set the terminal to raw mode");
    }
}

std::string linkTarget(const std::filesystem::path& link) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(link, error);
    return error ? std::string() : target.string();
}

// Points `link` at `target`. Building the new link beside it and renaming it over the old
// one never leaves `link` missing in between.
void makeLink(const std::filesystem::path& link, const std::string& target) {
    struct stat status {};
    if (::lstat(link.c_str(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        throw std::runtime_error(link.string() +
                                 " exists and is not a symbolic link; it is not replaced");
    }
    const std::string temporary = link.string() + "." + std::to_string(::getpid()) + ".tmp";
    ::unlink(temporary.c_str());
    if (::symlink(target.c_str(), temporary.c_str()) != 0) {
        fail("cannot create the link " + temporary);
    }
    if (::rename(temporary.c_str(), link.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        fail("cannot create the link " + link.string());
    }
}

}  // namespace

PtyServer::PtyServer(std::filesystem::path link) : link_(std::move(link)) {
    radioEnd_ = UniqueFd(::posix_openpt(O_RDWR | O_NOCTTY));
    if (!radioEnd_.valid()) {
        fail("cannot open a pseudo-terminal");
    }
    if (::grantpt(fd()) != 0 || ::unlockpt(fd()) != 0) {
        fail("cannot unlock the pseudo-terminal");
    }
    const char* name = ::ptsname(fd());
    if (!name) {
        fail("cannot name the pseudo-terminal");
    }
    devicePath_ = name;
    programEnd_ = UniqueFd(::open(name, O_RDWR | O_NOCTTY));
    if (!programEnd_.valid()) {
        fail("cannot open " + devicePath_);
    }
    makeRaw(programEnd_.get());
    const int flags = ::fcntl(fd(), F_GETFL);
    if (flags < 0 || ::fcntl(fd(), F_SETFL, flags | O_NONBLOCK) != 0) {
        fail("cannot make the pseudo-terminal non-blocking");
    }
    makeLink(link_, devicePath_);
}

PtyServer::~PtyServer() {
    if (linkTarget(link_) == devicePath_) {
        ::unlink(link_.c_str());
    }
}

}  // namespace hm3300::vradio
