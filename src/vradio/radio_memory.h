#pragma once
// The radio's 4 KiB memory and the image file that keeps it between sessions.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace hm3300::vradio {

class RadioMemory {
public:
    static constexpr std::size_t kSize = 4096;
    using Bytes = std::array<std::uint8_t, kSize>;

    // A radio fresh from the factory: erased (0xFF) but for its band block,
    // 400-470 MHz on band 1 and 136-174 MHz on band 2.
    RadioMemory();
    explicit RadioMemory(const Bytes& bytes) : bytes_(bytes) {}

    // True when `count` bytes from `address` lie inside the memory.
    static bool holds(std::uint32_t address, std::size_t count) {
        return address <= kSize && count <= kSize - address;
    }
    // Both require holds(address, size).
    std::span<const std::uint8_t> read(std::uint16_t address, std::size_t count) const;
    void write(std::uint16_t address, std::span<const std::uint8_t> data);

    const Bytes& bytes() const { return bytes_; }
    // Written to since the last save.
    bool modified() const { return modified_; }
    void markSaved() { modified_ = false; }

private:
    Bytes bytes_;
    bool modified_ = false;
};

// Loads the image at `path`, or creates it with a factory-fresh memory when no file is
// there. Returns the reason when the file cannot be used: unreadable, or not exactly
// kSize bytes (such a file is left untouched).
std::optional<std::string> loadOrCreateImage(const std::filesystem::path& path,
                                             RadioMemory& memory);

// Writes a temporary file beside `path` and renames it over `path`, so a failed save
// leaves the old image intact. Marks the memory saved on success, else returns the reason.
std::optional<std::string> saveImage(const std::filesystem::path& path, RadioMemory& memory);

}  // namespace hm3300::vradio
