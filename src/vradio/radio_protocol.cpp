#include "vradio/radio_protocol.h"

#include "codec/hex_text.h"
#include "link/frame.h"
#include "link/memory_map.h"

namespace hm3300::vradio {

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view hex) {
    return codec::hexTextToBytes(hex).value_or(Bytes{});
}

const Bytes kIdentification = bytesOf(link::kIdentificationReply);
const Bytes kOtherIdentification = link::frameBytes("06064472756D6579");  // "Drumey"
const Bytes kAck = bytesOf(link::kAckReply);
const Bytes kBusy = bytesOf(link::kBusyReply);
// Neither a data frame, nor Ack, nor Busy: what a disturbed line delivers.
const Bytes kGarbage = {0xA5, 0x5A, 0xA5};

// The largest read whose reply length byte (count + 2) still fits.
constexpr std::size_t kMaxReadCount = 253;

std::uint16_t addressOf(const Bytes& frame) {
    return static_cast<std::uint16_t>(frame[2] << 8 | frame[3]);
}

// A read is answered with the frame the program writes with: type, length, address, data.
Bytes dataFrame(std::uint16_t address, std::span<const std::uint8_t> data) {
    return link::frameBytes(link::writeRequest(address, codec::toHexText(data)));
}

// An erased band block makes the program refuse to write: the radio reports no bands.
void eraseBandBlock(std::uint16_t address, std::span<std::uint8_t> data) {
    const std::size_t blockStart = link::kBandBlockAddress;
    const std::size_t blockEnd = blockStart + link::kBlockSize;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (address + i >= blockStart && address + i < blockEnd) {
            data[i] = 0xFF;
        }
    }
}

}  // namespace

std::string describe(const Outcome& outcome) {
    const auto reply =
        outcome.reply.empty() ? std::string("no answer") : codec::toHexText(outcome.reply);
    return codec::toHexText(outcome.request) + " -> " + reply + ": " + outcome.note;
}

RadioProtocol::RadioProtocol(RadioMemory& memory, Faults faults)
    : memory_(memory), faults_(std::move(faults)) {}

std::vector<Outcome> RadioProtocol::receive(std::span<const std::uint8_t> bytes) {
    std::vector<Outcome> outcomes;
    for (auto& item : reader_.push(bytes)) {
        if (item.kind == ReadItem::Kind::Discarded) {
            outcomes.push_back({std::move(item.bytes), {}, "no frame, dropped"});
        } else {
            outcomes.push_back(answer(std::move(item.bytes)));
        }
    }
    return outcomes;
}

Outcome RadioProtocol::dropPartialFrame() {
    return {reader_.dropPartialFrame(), {}, "frame incomplete, dropped"};
}

Outcome RadioProtocol::answer(std::vector<std::uint8_t> frame) {
    Outcome outcome{std::move(frame)};
    const auto& request = outcome.request;
    if (faults_.silent) {
        outcome.note = "silent";
        return outcome;
    }
    if (!link::checksumOk(request)) {
        outcome.note = "bad checksum";
        return outcome;
    }
    const auto type = request[0];
    if (type == link::FrameType::Handshake) {
        if (request != link::frameBytes(link::kHandshakeRequest)) {
            outcome.note = "handshake with an unknown greeting";
            return outcome;
        }
        inSession_ = true;
        outcome.reply = faults_.wrongId ? kOtherIdentification : kIdentification;
        outcome.note = faults_.wrongId ? "handshake, other identification" : "handshake";
        return outcome;
    }
    if (!inSession_) {
        outcome.note = "no handshake yet";
        return outcome;
    }
    switch (type) {
        case link::FrameType::Ack:
            if (takeOne(faults_.busyReady)) {
                outcome.reply = kBusy;
                outcome.note = "ready, busy";
            } else {
                outcome.reply = kAck;
                outcome.note = "ready";
            }
            break;
        case link::FrameType::ReadCmd:
            answerRead(outcome);
            break;
        case link::FrameType::DataFrame:
            answerWrite(outcome);
            break;
        case link::FrameType::EndCmd:
            if (request != link::frameBytes(link::kEndRequest)) {
                outcome.note = "end command with an unknown argument";
                break;
            }
            inSession_ = false;
            outcome.reply = kAck;
            outcome.note = "end";
            outcome.sessionEnded = true;
            break;
    }
    return outcome;
}

void RadioProtocol::answerRead(Outcome& outcome) {
    const auto address = addressOf(outcome.request);
    const std::size_t count = outcome.request[4];
    outcome.note = "read " + codec::hexWord(address) + " count " + std::to_string(count);
    if (count > kMaxReadCount || !RadioMemory::holds(address, count)) {
        outcome.note += ", outside the memory";
        return;
    }
    if (takeOne(faults_.garbage, address)) {
        outcome.reply = kGarbage;
        outcome.note += ", garbage";
        return;
    }
    // Another block than the one asked for, in a sound frame: the next one in memory, or
    // this one a byte short.
    auto replyAddress = address;
    auto replyCount = count;
    if (RadioMemory::holds(address + count, count) && takeOne(faults_.wrongAddress, address)) {
        replyAddress = static_cast<std::uint16_t>(address + count);
        outcome.note += ", answered for " + codec::hexWord(replyAddress);
    } else if (count > 0 && takeOne(faults_.wrongLength, address)) {
        --replyCount;
        outcome.note += ", one byte short";
    }
    const auto stored = memory_.read(replyAddress, replyCount);
    Bytes data(stored.begin(), stored.end());
    if (faults_.erasedBand) {
        eraseBandBlock(replyAddress, data);
    }
    outcome.reply = dataFrame(replyAddress, data);
    if (takeOne(faults_.badChecksum, address)) {
        outcome.reply.back() ^= 0xFF;
        outcome.note += ", wrong checksum";
    }
    delayIfLate(outcome, address);
}

void RadioProtocol::delayIfLate(Outcome& outcome, std::uint16_t address) {
    if (takeOne(faults_.late, address)) {
        outcome.delay = kLateReplyDelay;
        outcome.note += ", late";
    }
}

void RadioProtocol::answerWrite(Outcome& outcome) {
    const auto address = addressOf(outcome.request);
    const auto data = std::span(outcome.request).subspan(4, outcome.request.size() - 5);
    outcome.note = "write " + codec::hexWord(address) + " count " + std::to_string(data.size());
    if (!RadioMemory::holds(address, data.size())) {
        outcome.note += ", outside the memory";
        return;
    }
    if (takeOne(faults_.busyWrites)) {
        outcome.reply = kBusy;
        outcome.note += ", busy";
        return;
    }
    if (takeOne(faults_.refuseWrite, address)) {
        outcome.reply = kGarbage;
        outcome.note += ", refused";
        return;
    }
    memory_.write(address, data);
    outcome.reply = kAck;
    delayIfLate(outcome, address);
}

}  // namespace hm3300::vradio
