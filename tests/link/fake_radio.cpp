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
    for (std::string& reply : replies) {
        queued_[prefix].push_back({{replyDelayMs, std::move(reply)}});
    }
}

void FakeRadio::answerInPieces(const std::string& prefix, std::vector<ReplyPiece> pieces) {
    queued_[prefix].push_back(std::move(pieces));
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

    pending_.clear();
    if (echo_) {
        schedule(0, frame);
    }
    const auto pieces =
        scripted(text).value_or(std::vector<ReplyPiece>{{replyDelayMs, normalAnswer(frame)}});
    for (const ReplyPiece& piece : pieces) {
        if (piece.hex == kLateReply) {
            const auto late = bytesOf(normalAnswer(frame));
            late_.insert(late_.end(), late.begin(), late.end());
        } else if (piece.hex == kSpoiledChecksum) {
            std::string reply = normalAnswer(frame);
            reply.back() = reply.back() == '0' ? '1' : '0';
            schedule(piece.atMs, bytesOf(reply));
        } else {
            schedule(piece.atMs, bytesOf(piece.hex));
        }
    }
}

// Bytes due at the same time arrive in one receive event, unless the echo is to come on
// its own.
void FakeRadio::schedule(int atMs, std::vector<std::uint8_t> bytes) {
    if (!pending_.empty() && pending_.back().atMs == atMs && !echoSeparately_) {
        auto& chunk = pending_.back().bytes;
        chunk.insert(chunk.end(), bytes.begin(), bytes.end());
        return;
    }
    pending_.push_back({atMs, std::move(bytes)});
}

std::optional<std::vector<ReplyPiece>> FakeRadio::scripted(const std::string& text) {
    for (auto& [prefix, queue] : queued_) {
        if (text.starts_with(prefix) && !queue.empty()) {
            auto reply = std::move(queue.front());
            queue.pop_front();
            return reply;
        }
    }
    for (const auto& [prefix, reply] : always_) {
        if (text.starts_with(prefix)) {
            return std::vector<ReplyPiece>{{replyDelayMs, reply}};
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
        case FrameType::EndCmd:
            return std::string(kAckReply);
        default:
            return {};
    }
}

int FakeRadio::deliver(int ms, const std::function<void(int atMs)>& arriveAt,
                       const std::function<bool()>& woken) {
    if (!afterWait_.empty()) {
        link_->receive(std::exchange(afterWait_, {}));
    }
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Arrival& a, const Arrival& b) { return a.atMs < b.atMs; });
    int lasted = ms;
    std::size_t next = 0;
    for (; next < pending_.size() && pending_[next].atMs <= ms; ++next) {
        if (!pending_[next].bytes.empty()) {
            arriveAt(pending_[next].atMs);
            link_->receive(pending_[next].bytes);
        }
        if (woken()) {
            lasted = pending_[next].atMs;
            ++next;
            break;
        }
    }
    for (; next < pending_.size(); ++next) {
        afterWait_.insert(afterWait_.end(), pending_[next].bytes.begin(),
                          pending_[next].bytes.end());
    }
    pending_.clear();
    afterWait_.insert(afterWait_.end(), late_.begin(), late_.end());
    late_.clear();
    return lasted;
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
    woken_ = false;
    const long long start = now_;
    const int lasted = radio_.deliver(
        ms, [this, start](int atMs) { now_ = start + atMs; }, [this] { return woken_; });
    now_ = start + lasted;
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

model::Message FakePorts::probe(const std::string&) {
    return missingReason;
}

std::unique_ptr<Port> FakePorts::create(const std::string& path) {
    created.push_back(path);
    return std::make_unique<PortOnRadio>(radio_);
}

}  // namespace hm3300::link::testing
