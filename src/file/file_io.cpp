#include "file/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/quoted_text.h"
#include "model/text_ids.h"

namespace hm3300::file {

namespace {

// Symbolic links followed from one name before the system's own limit would refuse it too.
constexpr int kMaxLinks = 40;

namespace TextId = model::TextId;
using model::Message;

// `action` (TextId::CannotSave, CannotOpen, CannotRead) on `path` failed for `reason`.
Message failure(int action, const std::string& path, Message reason) {
    return {action, {model::quotedText(path), std::move(reason)}};
}

Message failure(int action, const std::string& path, int error) {
    return failure(action, path, systemError(error));
}

Message kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return Message(TextId::KindFolder);
    }
    if (S_ISFIFO(mode)) {
        return Message(TextId::KindFifo);
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return Message(TextId::KindDevice);
    }
    if (S_ISSOCK(mode)) {
        return Message(TextId::KindSocket);
    }
    return Message(TextId::KindOther);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    void reset(int fd) {
        close();
        fd_ = fd;
    }
    // Closes now, reporting the error a deferred write may only show at close.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
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

// What a save to a name replaces.
struct SaveTarget {
    std::string path;  // the file itself, symbolic links followed
    bool exists = false;
    mode_t permissions = 0;  // of an existing file
};

// Follows symbolic links from `path` to the file a save replaces, so that a link stays a
// link. Only a regular file or a free name is replaced: renaming over a folder, a FIFO or a
// device would put a file where something else belongs. Checked by type, because the
// permission test passes everything for root.
std::optional<model::Message> findSaveTarget(const std::string& path, SaveTarget& target) {
    std::filesystem::path current = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                return failure(TextId::CannotSave, path, errno);
            }
            target = {current.string(), false, 0};
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            if (!S_ISREG(info.st_mode)) {
                return failure(TextId::CannotSave, path,
                               {TextId::NotARegularFileKept, {kindOf(info.st_mode)}});
            }
            // A write-protected file stays protected, although the folder would allow
            // replacing it.
            if (::access(current.c_str(), W_OK) != 0) {
                return failure(TextId::CannotSave, path, errno);
            }
            target = {current.string(), true, info.st_mode & 07777};
            return std::nullopt;
        }
        if (links == kMaxLinks) {
            return failure(TextId::CannotSave, path, ELOOP);
        }
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) {
            return failure(TextId::CannotSave, path, error.value());
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
}

// A save under way: the file it replaces, and a new temporary file beside it, open for
// writing.
struct PendingSave {
    SaveTarget target;
    std::string temporaryPath;
    Descriptor temporary;
};

std::optional<model::Message> startSave(const std::string& path, PendingSave& save) {
    if (auto error = findSaveTarget(path, save.target)) {
        return error;
    }
    save.temporary.reset(createTemporary(save.target.path, save.temporaryPath));
    if (save.temporary.get() < 0) {
        return failure(TextId::CannotSave, path, errno);
    }
    return std::nullopt;
}

}  // namespace

Message systemError(int error) {
    switch (error) {
        case ENOENT:
            return Message(TextId::NoSuchFile);
        case EACCES:
        case EPERM:
            return Message(TextId::PermissionDenied);
        case EROFS:
            return Message(TextId::ReadOnlyDisk);
        case ENOSPC:
        case EDQUOT:
            return Message(TextId::DiskFull);
        case EISDIR:
            return Message(TextId::IsAFolder);
        case ENOTDIR:
            return Message(TextId::PathNotFolder);
        case ELOOP:
            return Message(TextId::TooManyLinks);
        default:
            return std::strerror(error);
    }
}

std::optional<model::Message> readWholeFile(const std::string& path, std::size_t maxSize,
                                            std::string& contents) {
    // Without O_NONBLOCK, opening a FIFO waits until some program opens it for writing.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return failure(TextId::CannotOpen, path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failure(TextId::CannotRead, path, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return failure(TextId::CannotRead, path, EISDIR);
    }
    // A pipe is read to its end; a device such as a terminal might never end.
    if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode)) {
        return failure(TextId::CannotRead, path, {TextId::NotAFile, {kindOf(info.st_mode)}});
    }
    if (::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK) != 0) {
        return failure(TextId::CannotRead, path, errno);
    }
    contents.clear();
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure(TextId::CannotRead, path, errno);
        }
        if (got == 0) {
            return std::nullopt;
        }
        if (contents.size() + static_cast<std::size_t>(got) > maxSize) {
            return failure(TextId::CannotRead, path, {TextId::TooLarge, {std::to_string(maxSize)}});
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<model::Message> checkReplaceable(const std::string& path) {
    PendingSave save;
    if (auto error = startSave(path, save)) {
        return error;
    }
    save.temporary.close();
    ::unlink(save.temporaryPath.c_str());
    return std::nullopt;
}

std::optional<model::Message> replaceFile(const std::string& path, std::string_view contents) {
    PendingSave save;
    if (auto error = startSave(path, save)) {
        return error;
    }
    const int fd = save.temporary.get();
    // The new file keeps the old one's permissions. Where that fails it keeps the usual ones
    // for a new file, which loses no data, so the save goes on.
    if (save.target.exists) {
        ::fchmod(fd, save.target.permissions);
    }
    if (!writeAll(fd, contents) || ::fsync(fd) != 0 || !save.temporary.close() ||
        ::rename(save.temporaryPath.c_str(), save.target.path.c_str()) != 0) {
        const int error = errno;
        ::unlink(save.temporaryPath.c_str());
        return failure(TextId::CannotSave, path, error);
    }
    return std::nullopt;
}

}  // namespace hm3300::file
