#include "fake_radio.h"

#include <algorithm>
#include <utility>

#include "codec/hex_text.h"
#include "link/frame.h"
#include "link/memory_map.h"

namespace hm3300::link::testing {

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& hex) {
    return codec::hexTextToBytes(hex).value();
}

std::string withChecksum(std::vector<std::uint8_t> bytes) {
    bytes.push_back(xorOf(bytes));
    return codec::toHexText(bytes);
}

}  // namespace

std::string withChecksum(const std::string& text) {
    return codec::toHexText(frameBytes(text));
}

FakeRadio::FakeRadio() {
    memory.fill(0xFF);
    const auto band = bytesOf("47004000470040001740136017401360");
    std::copy(band.begin(), band.end(), memory.begin() + kBandBlockAddress);
}

void FakeRadio::answer(const std::string& prefix, std::vector<std::string> replies) {
    auto& queue = queued_[prefix];
    queue.insert(queue.end(), replies.begin(), replies.end());
}

void FakeRadio::answerAlways(const std::string& prefix, std::string reply) {
    always_[prefix] = std::move(reply);
}

bool FakeRadio::setOpen(bool open) {
    openCalls_.push_back(open);
    return !(open && portMissing);
}

void FakeRadio::write(std::span<const std::uint8_t> bytes) {
    const std::vector<std::uint8_t> frame(bytes.begin(), bytes.end());
    const std::string hex = codec::toHexText(frame);
    frames_.push_back(hex);
    // The request text is the frame without its checksum.
    const std::string text = hex.substr(0, hex.size() - 2);

    std::string reply = scripted(text).value_or(normalAnswer(frame));
    if (reply == kSpoiledChecksum) {
        reply = normalAnswer(frame);
        reply.back() = reply.back() == '0' ? '1' : '0';
    }
    if (reply == kLateReply) {
        late_.push_back(bytesOf(normalAnswer(frame)));
        reply.clear();
    }
    if (echo_ && echoSeparately_) {
        pending_.push_back(frame);
        pending_.push_back(bytesOf(reply));
    } else if (echo_) {
        auto chunk = frame;
        const auto replyBytes = bytesOf(reply);
        chunk.insert(chunk.end(), replyBytes.begin(), replyBytes.end());
        pending_.push_back(chunk);
    } else {
        pending_.push_back(bytesOf(reply));
    }
}

std::optional<std::string> FakeRadio::scripted(const std::string& text) {
    for (auto& [prefix, queue] : queued_) {
        if (text.starts_with(prefix) && !queue.empty()) {
            std::string reply = queue.front();
            queue.pop_front();
            return reply;
        }
    }
    for (const auto& [prefix, reply] : always_) {
        if (text.starts_with(prefix)) {
            return reply;
        }
    }
    return std::nullopt;
}

std::string FakeRadio::normalAnswer(const std::vector<std::uint8_t>& frame) {
    const std::size_t address = frame.size() >= 4 ? (frame[2] << 8) | frame[3] : 0;
    switch (frame[0]) {
        case FrameType::Handshake:
            return std::string(kIdentificationReply);
        case FrameType::Ack:
            return std::string(kAckReply);
        case FrameType::ReadCmd: {
            const std::size_t count = frame[4];
            std::vector<std::uint8_t> reply{
                FrameType::DataFrame, static_cast<std::uint8_t>(2 + count), frame[2], frame[3]};
            reply.insert(reply.end(), memory.begin() + address, memory.begin() + address + count);
            return withChecksum(reply);
        }
        case FrameType::DataFrame: {
            // type, length, address, data, checksum
            std::copy(frame.begin() + 4, frame.end() - 1, memory.begin() + address);
            return std::string(kAckReply);
        }
        default:
            return {};
    }
}

void FakeRadio::deliver() {
    if (!afterWait_.empty()) {
        link_->receive(afterWait_);
        afterWait_.clear();
    }
    for (const auto& chunk : pending_) {
        if (!chunk.empty()) {
            link_->receive(chunk);
        }
    }
    pending_.clear();
    for (const auto& chunk : late_) {
        afterWait_.insert(afterWait_.end(), chunk.begin(), chunk.end());
    }
    late_.clear();
}

std::vector<std::uint8_t> FakeRadio::takeUndelivered() {
    return std::exchange(afterWait_, {});
}

std::vector<std::string> FakeRadio::framesStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    std::copy_if(frames_.begin(), frames_.end(), std::back_inserter(matching),
                 [&](const std::string& frame) { return frame.starts_with(prefix); });
    return matching;
}

void FakeWaiter::wait(int ms) {
    now_ += ms;
    radio_.deliver();
}

namespace {

// A session owns its port; this one hands every call on to the bench's radio.
class PortOnRadio : public Port {
public:
    explicit PortOnRadio(FakeRadio& radio) : radio_(radio) {}
    void attach(SerialLink& link) override { radio_.attach(link); }
    bool setOpen(bool open) override { return radio_.setOpen(open); }
    void write(std::span<const std::uint8_t> bytes) override { radio_.write(bytes); }
    std::vector<std::uint8_t> takeUndelivered() override { return radio_.takeUndelivered(); }
    std::string problem() const override { return radio_.problem(); }

private:
    FakeRadio& radio_;
};

}  // namespace

std::string FakePorts::probe(const std::string&) {
    return missingReason;
}

std::unique_ptr<Port> FakePorts::create(const std::string& path) {
    created.push_back(path);
    return std::make_unique<PortOnRadio>(radio_);
}

}  // namespace hm3300::link::testing
