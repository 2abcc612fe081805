#include "link/frame.h"

namespace hm3300::link {

std::vector<std::uint8_t> frameBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2 + 1);
    for (std::size_t offset = 0; offset + 1 < text.size(); offset += 2) {
        // Request texts are built by this program and always hexadecimal.
        bytes.push_back(static_cast<std::uint8_t>(codec::byteAt(text, offset)));
    }
    bytes.push_back(xorOf(bytes));
    return bytes;
}

std::uint8_t xorOf(std::span<const std::uint8_t> bytes) {
    std::uint8_t checksum = 0;
    for (std::uint8_t byte : bytes) {
        checksum ^= byte;
    }
    return checksum;
}

bool checksumOk(std::span<const std::uint8_t> frame) {
    return !frame.empty() && xorOf(frame.first(frame.size() - 1)) == frame.back();
}

bool checksumOk(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    const auto bytes = codec::hexTextToBytes(hex);
    return bytes && checksumOk(*bytes);
}

}  // namespace hm3300::link
