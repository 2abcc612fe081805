#include "file/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hm3300::file {

namespace {

std::string failure(std::string_view what, const std::string& path, int error) {
    return std::string(what) + " \"" + path + "\": " + std::strerror(error);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, reporting the error a deferred write may only show at close.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a file beside `path` that no one else uses; -1 with errno set on failure.
int createTemporary(const std::string& path, std::string& temporaryPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxSize,
                                         std::string& contents) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return failure("cannot open", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failure("cannot read", path, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return failure("cannot read", path, EISDIR);
    }
    contents.clear();
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure("cannot read", path, errno);
        }
        if (got == 0) {
            return std::nullopt;
        }
        if (contents.size() + static_cast<std::size_t>(got) > maxSize) {
            return "cannot read \"" + path + "\": larger than " + std::to_string(maxSize) +
                   " bytes, too large for this kind of file";
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view contents) {
    // A write-protected file stays protected, although the folder would allow replacing it.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return failure("cannot save", path, errno);
    }
    std::string temporaryPath;
    Descriptor fd(createTemporary(path, temporaryPath));
    if (fd.get() < 0) {
        return failure("cannot save", path, errno);
    }
    // The new file keeps the old one's permissions. Where that fails it keeps the usual ones
    // for a new file, which loses no data, so the save goes on.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        ::fchmod(fd.get(), existing.st_mode & 07777);
    }
    if (!writeAll(fd.get(), contents) || ::fsync(fd.get()) != 0 || !fd.close() ||
        ::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryPath.c_str());
        return failure("cannot save", path, error);
    }
    return std::nullopt;
}

}  // namespace hm3300::file
