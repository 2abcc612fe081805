#include "vradio/radio_memory.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "link/memory_map.h"

namespace hm3300::vradio {

namespace {

// Upper then lower limit of band 1 receive, band 1 transmit, band 2 receive, band 2
// transmit; each limit is three decimal digits of MHz and a fourth digit 0.
constexpr std::array<std::uint8_t, link::kBlockSize> kFactoryBandBlock = {
    0x47, 0x00, 0x40, 0x00, 0x47, 0x00, 0x40, 0x00, 0x17, 0x40, 0x13, 0x60, 0x17, 0x40, 0x13, 0x60};

std::string describe(const std::filesystem::path& path, const std::string& problem) {
    return path.string() + ": " + problem;
}

std::string systemError() {
    return std::strerror(errno);
}

bool writeAll(int fd, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

RadioMemory::RadioMemory() {
    bytes_.fill(0xFF);
    std::ranges::copy(kFactoryBandBlock, bytes_.begin() + link::kBandBlockAddress);
}

std::span<const std::uint8_t> RadioMemory::read(std::uint16_t address, std::size_t count) const {
    return std::span(bytes_).subspan(address, count);
}

void RadioMemory::write(std::uint16_t address, std::span<const std::uint8_t> data) {
    std::ranges::copy(data, bytes_.begin() + address);
    modified_ = true;
}

std::optional<std::string> loadOrCreateImage(const std::filesystem::path& path,
                                             RadioMemory& memory) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        memory = RadioMemory();
        return saveImage(path, memory);
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return describe(path, "cannot be read as a radio image: " + error.message());
    }
    if (size != RadioMemory::kSize) {
        return describe(path, "is not a radio image: it has " + std::to_string(size) +
                                  " bytes, an image has exactly " +
                                  std::to_string(RadioMemory::kSize));
    }
    RadioMemory::Bytes bytes{};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) {
        return describe(path, "cannot be read as a radio image");
    }
    memory = RadioMemory(bytes);
    return std::nullopt;
}

std::optional<std::string> saveImage(const std::filesystem::path& path, RadioMemory& memory) {
    const std::filesystem::path temporary =
        path.string() + "." + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return describe(temporary, "cannot be created: " + systemError());
    }
    bool written = writeAll(fd, memory.bytes()) && ::fsync(fd) == 0;
    std::string writeError = written ? "" : systemError();
    if (::close(fd) != 0 && written) {
        written = false;
        writeError = systemError();
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return describe(temporary, "cannot be written: " + writeError);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string renameError = systemError();
        ::unlink(temporary.c_str());
        return describe(path, "cannot be replaced: " + renameError);
    }
    memory.markSaved();
    return std::nullopt;
}

}  // namespace hm3300::vradio
