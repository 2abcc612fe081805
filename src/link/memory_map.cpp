#include "link/memory_map.h"

namespace hm3300::link {

HexText readRequest(std::uint16_t address, int byteCount) {
    return "5203" + codec::hexWord(address) + codec::hexByte(static_cast<unsigned>(byteCount));
}

HexText writeRequest(std::uint16_t address, std::string_view data) {
    // The length byte counts the two address bytes and the data bytes.
    const auto length = static_cast<unsigned>(2 + data.size() / 2);
    return "57" + codec::hexByte(length) + codec::hexWord(address) + std::string(data);
}

}  // namespace hm3300::link
