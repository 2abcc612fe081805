#include "vradio/frame_reader.h"

#include "link/frame.h"

namespace hm3300::vradio {

namespace {

enum class Plausibility { Yes, No, NeedMore };

// The program sends only these frames, each with the lengths it can have.
Plausibility plausibleStart(std::span<const std::uint8_t> bytes) {
    const auto type = bytes[0];
    const bool knownType = type == link::FrameType::Handshake || type == link::FrameType::Ack ||
                           type == link::FrameType::ReadCmd || type == link::FrameType::DataFrame ||
                           type == link::FrameType::EndCmd;
    if (!knownType) {
        return Plausibility::No;
    }
    if (bytes.size() < 2) {
        return Plausibility::NeedMore;
    }
    const auto length = bytes[1];
    switch (type) {
        case link::FrameType::Handshake:
            return length == 5 ? Plausibility::Yes : Plausibility::No;
        case link::FrameType::Ack:
            return length == 0 ? Plausibility::Yes : Plausibility::No;
        case link::FrameType::ReadCmd:
            return length == 3 ? Plausibility::Yes : Plausibility::No;
        case link::FrameType::DataFrame:
            return length >= 2 ? Plausibility::Yes : Plausibility::No;
        default:  // EndCmd
            return length == 1 ? Plausibility::Yes : Plausibility::No;
    }
}

std::size_t frameSize(std::span<const std::uint8_t> bytes) {
    return bytes[1] + 3u;
}

}  // namespace

std::vector<ReadItem> FrameReader::push(std::span<const std::uint8_t> bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<ReadItem> items;
    std::size_t start = 0;
    const auto discard = [&](std::size_t count) {
        if (items.empty() || items.back().kind != ReadItem::Kind::Discarded) {
            items.push_back({ReadItem::Kind::Discarded, {}});
        }
        auto& dropped = items.back().bytes;
        dropped.insert(dropped.end(), pending_.begin() + start, pending_.begin() + start + count);
        start += count;
    };
    while (start < pending_.size()) {
        const auto rest = std::span(pending_).subspan(start);
        const auto plausibility = plausibleStart(rest);
        if (plausibility == Plausibility::No) {
            discard(1);
            continue;
        }
        if (plausibility == Plausibility::NeedMore || rest.size() < frameSize(rest)) {
            break;
        }
        const auto size = frameSize(rest);
        items.push_back({ReadItem::Kind::Frame, {rest.begin(), rest.begin() + size}});
        start += size;
    }
    pending_.erase(pending_.begin(), pending_.begin() + start);
    return items;
}

std::vector<std::uint8_t> FrameReader::dropPartialFrame() {
    std::vector<std::uint8_t> dropped;
    dropped.swap(pending_);
    return dropped;
}

}  // namespace hm3300::vradio
