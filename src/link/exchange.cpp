#include "link/exchange.h"

#include "link/frame.h"
#include "link/memory_map.h"

namespace hm3300::link {

namespace {

// Type, length and two address bytes come before a data frame's data.
constexpr std::size_t kDataOffset = 8;

// Sends `text` and asks again while the radio answers Busy; true when the last reply is
// something else.
bool sendUntilNotBusy(SerialLink& link, std::string_view text, int ms) {
    for (int busy = 0; busy < kMaxBusyReplies; ++busy) {
        link.sendAndWait(text, ms);
        if (link.RxBuffer() != kBusyReply) {
            return true;
        }
    }
    return false;
}

Reply acceptedOnAck(SerialLink& link, std::string_view text, int ms) {
    if (!sendUntilNotBusy(link, text, ms)) {
        return {Verdict::KeptBusy, {}};
    }
    return {link.RxBuffer() == kAckReply ? Verdict::Accepted : Verdict::Refused, {}};
}

}  // namespace

Reply readBlock(SerialLink& link, std::uint16_t address, int byteCount) {
    const HexText request = readRequest(address, byteCount);
    for (int badChecksums = 0; badChecksums < kMaxBadChecksumReplies; ++badChecksums) {
        if (!sendUntilNotBusy(link, request, kBlockWaitMs)) {
            return {Verdict::KeptBusy, {}};
        }
        const HexText& reply = link.RxBuffer();
        if (codec::byteAt(reply, 0) != FrameType::DataFrame) {
            return {Verdict::Refused, {}};
        }
        if (!link.replyChecksumOk()) {
            continue;
        }
        const std::size_t dataLength = 2 * static_cast<std::size_t>(byteCount);
        // A data frame too short for the block would be decoded from bytes that never came.
        if (reply.size() < kDataOffset + dataLength + 2) {
            return {Verdict::Refused, {}};
        }
        return {Verdict::Accepted, reply.substr(kDataOffset, dataLength)};
    }
    return {Verdict::KeptBadChecksum, {}};
}

Reply writeBlock(SerialLink& link, std::uint16_t address, std::string_view data) {
    return acceptedOnAck(link, writeRequest(address, data), kBlockWaitMs);
}

Reply waitUntilReady(SerialLink& link) {
    return acceptedOnAck(link, kReadyRequest, kHandshakeWaitMs);
}

std::string describeRefusal(Verdict verdict, std::string_view received) {
    switch (verdict) {
        case Verdict::Accepted:
            return {};
        case Verdict::Refused:
            return received.empty() ? "no reply" : "unexpected reply";
        case Verdict::KeptBusy:
            return "the radio answered Busy " + std::to_string(kMaxBusyReplies) + " times in a row";
        case Verdict::KeptBadChecksum:
            return std::to_string(kMaxBadChecksumReplies) +
                   " replies in a row had a wrong checksum";
    }
    return {};
}

}  // namespace hm3300::link
