#pragma once
// One request and the judgement of its reply, as every phase of a run uses it. The radio's
// Busy replies, and data replies with a wrong checksum or for another block, are answered by
// asking again, at most a bounded number of times, so that a run always ends.

#include <cstdint>
#include <string>
#include <string_view>

#include "codec/hex_text.h"
#include "link/serial_link.h"
#include "model/message.h"

namespace hm3300::link {

using codec::HexText;

// A request answered Busy this many times in a row counts as refused.
inline constexpr int kMaxBusyReplies = 20;
// A read answered this many times in a row with a wrong checksum, or with a data frame
// that is not the block asked for, counts as refused.
inline constexpr int kMaxBadReplies = 5;

// Waits after each frame.
inline constexpr int kHandshakeWaitMs = 70;
inline constexpr int kBlockWaitMs = 80;

enum class Verdict {
    Accepted,
    Refused,         // nothing, or not the reply the request expects
    KeptBusy,        // kMaxBusyReplies Busy replies
    KeptBadReplies,  // kMaxBadReplies replies with a wrong checksum or for another block
};

struct Reply {
    Verdict verdict = Verdict::Refused;
    HexText data;  // a read's data bytes, when accepted

    bool accepted() const { return verdict == Verdict::Accepted; }
};

// Asks for `byteCount` bytes from `address` until the radio stops answering Busy and sends
// one data frame whose checksum holds and whose length byte, address and size are those of
// the request; that frame's data is the reply. Anything but a data frame is refused.
Reply readBlock(SerialLink& link, std::uint16_t address, int byteCount);

// Writes `data` to `address`, asking again while the radio answers Busy; accepted on Ack.
Reply writeBlock(SerialLink& link, std::uint16_t address, std::string_view data);

// The ready request, repeated while the radio answers Busy; accepted on Ack.
Reply waitUntilReady(SerialLink& link);

// What a refused reply was, in words ("no reply", "the radio answered Busy 20 times").
model::Message describeRefusal(Verdict verdict, std::string_view received);

}  // namespace hm3300::link
