#include "link/memory_map.h"

namespace hm3300::link {

namespace {

HexText address4(std::uint16_t address) {
    return codec::hexByte(address >> 8) + codec::hexByte(address);
}

}  // namespace

HexText readRequest(std::uint16_t address, int byteCount) {
    return "5203" + address4(address) + codec::hexByte(static_cast<unsigned>(byteCount));
}

HexText writeRequest(std::uint16_t address, std::string_view data) {
    // The length byte counts the two address bytes and the data bytes.
    const auto length = static_cast<unsigned>(2 + data.size() / 2);
    return "57" + codec::hexByte(length) + address4(address) + std::string(data);
}

}  // namespace hm3300::link
