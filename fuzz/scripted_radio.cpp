#include "scripted_radio.h"

#include <algorithm>
#include <utility>

#include "finding.h"

namespace hm3300::fuzz {

// The session owns its port; this one hands every call on to the scripted radio.
class ScriptedPort : public link::Port {
public:
    explicit ScriptedPort(ScriptedRadio& radio) : radio_(radio) {}

    bool setOpen(bool) override { return true; }
    void write(std::span<const std::uint8_t> bytes) override { radio_.received(bytes); }
    void attach(link::SerialLink& link) override { radio_.link_ = &link; }
    std::string problem() const override { return {}; }
    std::vector<std::uint8_t> takeUndelivered() override {
        return std::exchange(radio_.undelivered_, {});
    }

private:
    ScriptedRadio& radio_;
};

namespace {

class ScriptedPorts : public link::PortProvider {
public:
    explicit ScriptedPorts(ScriptedRadio& radio) : radio_(radio) {}

    model::Message probe(const std::string&) override { return {}; }
    std::unique_ptr<link::Port> create(const std::string&) override {
        return std::make_unique<ScriptedPort>(radio_);
    }

private:
    ScriptedRadio& radio_;
};

enum Delivery { kWhole = 0, kInTwo = 1, kByteByByte = 2, kLate = 3 };

}  // namespace

ScriptedRadio::ScriptedRadio(std::span<const std::uint8_t> chunks, bool singleHead, int frameLimit)
    : input_(chunks),
      singleHead_(singleHead),
      frameLimit_(frameLimit),
      ports_(std::make_unique<ScriptedPorts>(*this)) {}

void ScriptedRadio::nextChunk() {
    chunk_ = Chunk{};
    if (input_.empty()) {
        chunk_.answersLeft = 1;  // silence from here on
        return;
    }
    const std::uint8_t control = input_[0];
    const std::size_t length = input_.size() > 1 ? input_[1] : 0;
    input_ = input_.subspan(std::min<std::size_t>(2, input_.size()));
    const std::size_t taken = std::min(length, input_.size());
    chunk_.answersLeft = (control & 0x0F) + 1;
    chunk_.delivery = (control >> 4) & 3;
    chunk_.separateEcho = (control & 0x40) != 0;
    chunk_.reply.assign(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(taken));
    input_ = input_.subspan(taken);
}

void ScriptedRadio::received(std::span<const std::uint8_t> frame) {
    exchanges_.push_back({{frame.begin(), frame.end()}, {}});
    if (static_cast<int>(exchanges_.size()) > frameLimit_) {
        reportFinding("the run sent more than " + std::to_string(frameLimit_) + " frames");
    }
    if (chunk_.answersLeft == 0) {
        nextChunk();
    }
    --chunk_.answersLeft;
    schedule(frame);
}

void ScriptedRadio::schedule(std::span<const std::uint8_t> frame) {
    pending_.clear();
    const std::vector<std::uint8_t>& reply = chunk_.reply;
    switch (chunk_.delivery) {
        case kWhole:
            pending_.push_back({1, reply});
            break;
        case kInTwo: {
            const auto middle = reply.begin() + static_cast<std::ptrdiff_t>(reply.size() / 2);
            pending_.push_back({1, {reply.begin(), middle}});
            pending_.push_back({2, {middle, reply.end()}});
            break;
        }
        case kByteByByte:
            for (std::size_t i = 0; i < reply.size(); ++i) {
                pending_.push_back({static_cast<int>(i) + 1, {reply[i]}});
            }
            break;
        case kLate:
            late_ = reply;
            break;
    }
    std::erase_if(pending_, [](const Piece& piece) { return piece.bytes.empty(); });
    if (!singleHead_) {
        return;
    }
    // The cable hands back every byte sent at once, alone or with the first reply bytes.
    if (chunk_.separateEcho || pending_.empty()) {
        pending_.insert(pending_.begin(), {0, {frame.begin(), frame.end()}, true});
    } else {
        pending_.front().bytes.insert(pending_.front().bytes.begin(), frame.begin(), frame.end());
        pending_.front().echo = true;
    }
}

void ScriptedRadio::wait(int ms) {
    woken_ = false;
    const std::int64_t start = now_;
    // Bytes that reached the port after the last wait come with the first event of this one.
    if (!undelivered_.empty()) {
        link_->receive(std::exchange(undelivered_, {}));
    }
    std::int64_t lasted = ms;
    std::size_t next = 0;
    for (; next < pending_.size() && pending_[next].atMs <= ms; ++next) {
        const Piece& piece = pending_[next];
        now_ = start + piece.atMs;
        link_->receive(piece.bytes);
        std::vector<std::uint8_t>& reply = exchanges_.back().reply;
        const std::size_t echoed = piece.echo ? exchanges_.back().frame.size() : 0;
        reply.insert(reply.end(), piece.bytes.begin() + static_cast<std::ptrdiff_t>(echoed),
                     piece.bytes.end());
        if (woken_) {
            lasted = piece.atMs;
            ++next;
            break;
        }
    }
    for (; next < pending_.size(); ++next) {
        undelivered_.insert(undelivered_.end(), pending_[next].bytes.begin(),
                            pending_[next].bytes.end());
    }
    pending_.clear();
    undelivered_.insert(undelivered_.end(), late_.begin(), late_.end());
    late_.clear();
    now_ = start + lasted;
}

}  // namespace hm3300::fuzz
