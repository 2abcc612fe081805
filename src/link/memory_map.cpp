#include "link/memory_map.h"

#include "link/frame.h"

namespace hm3300::link {

HexText readRequest(std::uint16_t address, int byteCount) {
    // The length byte counts the two address bytes and the count byte.
    return codec::hexByte(FrameType::ReadCmd) + "03" + codec::hexWord(address) +
           codec::hexByte(static_cast<unsigned>(byteCount));
}

HexText writeRequest(std::uint16_t address, std::string_view data) {
    // The length byte counts the two address bytes and the data bytes.
    const auto length = static_cast<unsigned>(2 + data.size() / 2);
    return codec::hexByte(FrameType::DataFrame) + codec::hexByte(length) + codec::hexWord(address) +
           std::string(data);
}

}  // namespace hm3300::link
