#include "vradio/radio_memory.h"

#include <algorithm>
#include <fstream>
#include <string_view>
#include <system_error>

#include "file/file_io.h"
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
    const RadioMemory::Bytes& bytes = memory.bytes();
    const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (auto error = file::replaceFile(path.string(), contents)) {
        return error->english();
    }
    memory.markSaved();
    return std::nullopt;
}

}  // namespace hm3300::vradio
