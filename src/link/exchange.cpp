#include "link/exchange.h"

#include "link/frame.h"
#include "link/memory_map.h"
#include "model/text_ids.h"

namespace hm3300::link {

namespace {

// Type, length and two address bytes come before a data frame's data.
constexpr std::size_t kDataOffset = 8;

// Exactly one data frame: its length byte counts the address and `byteCount` data bytes,
// and it carries `address`.
bool answersRequest(std::string_view reply, std::uint16_t address, int byteCount) {
    const auto dataLength = 2 * static_cast<std::size_t>(byteCount);
    return reply.size() == kDataOffset + dataLength + 2 &&
           codec::byteAt(reply, 2) == 2 + byteCount &&
           reply.substr(4, 4) == codec::hexWord(address);
}

// Sends `text` and asks again while the radio answers Busy; true when the last reply is
// something else.
bool sendUntilNotBusy(SerialLink& link, std::string_view text, int ms) {
    for (int busy = 0; busy < kMaxBusyReplies; ++busy) {
        if (busy > 0) {
            link.backOffAfterBusy();
        }
        link.sendAndWait(text, ms);
        if (link.rxBuffer() != kBusyReply) {
            return true;
        }
    }
    return false;
}

Reply acceptedOnAck(SerialLink& link, std::string_view text, int ms) {
    if (!sendUntilNotBusy(link, text, ms)) {
        return {Verdict::KeptBusy, {}};
    }
    return {link.rxBuffer() == kAckReply ? Verdict::Accepted : Verdict::Refused, {}};
}

}  // namespace

Reply readBlock(SerialLink& link, std::uint16_t address, int byteCount) {
    const HexText request = readRequest(address, byteCount);
    for (int badReplies = 0; badReplies < kMaxBadReplies; ++badReplies) {
        if (!sendUntilNotBusy(link, request, kBlockWaitMs)) {
            return {Verdict::KeptBusy, {}};
        }
        const HexText& reply = link.rxBuffer();
        if (codec::byteAt(reply, 0) != FrameType::DataFrame) {
            return {Verdict::Refused, {}};
        }
        // A stale frame or one meant for another block would be decoded into the wrong
        // place: it is asked for again, like a frame damaged on the way.
        if (!link.replyChecksumOk() || !answersRequest(reply, address, byteCount)) {
            continue;
        }
        return {Verdict::Accepted,
                reply.substr(kDataOffset, 2 * static_cast<std::size_t>(byteCount))};
    }
    return {Verdict::KeptBadReplies, {}};
}

Reply writeBlock(SerialLink& link, std::uint16_t address, std::string_view data) {
    return acceptedOnAck(link, writeRequest(address, data), kBlockWaitMs);
}

Reply waitUntilReady(SerialLink& link) {
    return acceptedOnAck(link, kReadyRequest, kHandshakeWaitMs);
}

model::Message describeRefusal(Verdict verdict, std::string_view received) {
    switch (verdict) {
        case Verdict::Accepted:
            return {};
        case Verdict::Refused:
            return model::Message(received.empty() ? model::TextId::NoReply
                                                   : model::TextId::UnexpectedReply);
        case Verdict::KeptBusy:
            return {model::TextId::KeptBusy, {std::to_string(kMaxBusyReplies)}};
        case Verdict::KeptBadReplies:
            return {model::TextId::KeptBadReplies, {std::to_string(kMaxBadReplies)}};
    }
    return {};
}

}  // namespace hm3300::link
