// A whole read run (port reset, handshake, ready wait, every block, end command) against a
// radio that answers with the bytes of the input (scripted_radio.h; the first byte chooses
// the pacing: bit 0 set is the fast link), on the cable HM3300_SINGLE_HEAD names.
//
// The run ends within the frames and the time its Busy, bad-reply and retry bounds allow. A
// failed read leaves the document as it was. A successful read accepted, for each block,
// the reply to the last request for it: that reply must be the block's data frame, and the
// document must be the one a fault-free read of the memory those replies carried gives.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>

#include "fake_radio.h"
#include "finding.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/memory_map.h"
#include "link/programming_run.h"
#include "link/radio_session.h"
#include "link/run_context.h"
#include "scripted_radio.h"
#include "test_codeplugs.h"

namespace hm3300::fuzz {
namespace {

using Memory = std::array<std::uint8_t, 4096>;

// The most frames a read may send: each request asked again as often as its bounds allow.
int mostFrames() {
    const int request = link::kMaxBusyReplies;
    const int block = link::kMaxBadReplies * request;
    const int retriedBlock = link::kRetryCount * block;
    constexpr int kSingleBlocks = 6;  // band, option, DTMF, code, password, ID
    return link::kHandshakeAttempts + request + link::kChannelCount * (retriedBlock + block) +
           link::kCallBlockCount * retriedBlock + kSingleBlocks * block + 1;
}

// The longest a run of `frames` frames may last: the port reset, then for each frame its
// wait and a pause after Busy.
std::int64_t longestRunMs(std::size_t frames) {
    return 2 * link::kPortResetWaitMs +
           static_cast<std::int64_t>(frames) * (link::kBlockWaitMs + link::kBusyBackOffMs);
}

// Whether `reply` is the data frame that answers the read request `request`: type, length,
// address, the bytes asked for and their XOR.
bool isDataFrameFor(const std::vector<std::uint8_t>& request,
                    const std::vector<std::uint8_t>& reply) {
    const std::size_t count = request[4];
    if (reply.size() != count + 5 || reply[0] != link::FrameType::DataFrame ||
        reply[1] != count + 2 || reply[2] != request[2] || reply[3] != request[3]) {
        return false;
    }
    std::uint8_t checksum = 0;
    for (std::size_t i = 0; i + 1 < reply.size(); ++i) {
        checksum ^= reply[i];
    }
    return checksum == reply.back();
}

// The memory the replies of a successful read carried: for each address read, the data of
// the reply to its last request.
Memory carriedMemory(const std::vector<Exchange>& exchanges) {
    std::map<int, const Exchange*> lastRequest;
    for (const Exchange& exchange : exchanges) {
        const auto& frame = exchange.frame;
        if (frame.size() == 6 && frame[0] == link::FrameType::ReadCmd) {
            lastRequest[(frame[2] << 8) | frame[3]] = &exchange;
        }
    }
    Memory memory;
    memory.fill(0xFF);
    for (const auto& [address, exchange] : lastRequest) {
        if (!isDataFrameFor(exchange->frame, exchange->reply)) {
            reportFinding("the read succeeded, but the last reply for address " +
                          std::to_string(address) + " is not its data frame");
        }
        const std::size_t count = exchange->frame[4];
        require(address + count <= memory.size(), "a request beyond the memory");
        std::copy_n(exchange->reply.begin() + 4, count, memory.begin() + address);
    }
    return memory;
}

// `document` after a read of `memory` by a radio that answers every request at once.
model::Codeplug readFaultFree(const Memory& memory, model::Codeplug document) {
    link::testing::FakeRadio radio;
    radio.memory = memory;
    link::testing::FakeWaiter waiter(radio);
    link::testing::FakePorts ports(radio);
    link::RadioSession session(ports, waiter, document, link::testing::valueTexts());
    require(session.open(link::RunMode::Read, {"/dev/ttyREFERENCE"}).ok() && session.run().ok(),
            "the fault-free read failed");
    return document;
}

void checkReadRun(std::span<const std::uint8_t> input) {
    if (input.empty()) {
        return;
    }
    const link::Pacing pacing = (input[0] & 1) != 0 ? link::Pacing::Fast : link::Pacing::Fixed;
    ScriptedRadio radio(input.subspan(1), HM3300_SINGLE_HEAD, mostFrames());
    static const model::Codeplug before = link::testing::richCodeplug();
    model::Codeplug document = before;
    link::RunOutcome outcome;
    {
        link::RadioSession session(radio.ports(), radio, document, link::testing::valueTexts());
        require(
            session.open(link::RunMode::Read, {"/dev/ttyFUZZ", HM3300_SINGLE_HEAD, pacing}).ok(),
            "the session did not open");
        outcome = session.run();
    }
    if (radio.nowMs() > longestRunMs(radio.exchanges().size())) {
        reportFinding("the run lasted " + std::to_string(radio.nowMs()) + " ms for " +
                      std::to_string(radio.exchanges().size()) + " frames");
    }
    if (!outcome.ok()) {
        requireSameCodeplug(document, before, "a failed read changed the document");
        return;
    }
    requireSameCodeplug(document, readFaultFree(carriedMemory(radio.exchanges()), before),
                        "the read gave another document than its replies carried");
}

}  // namespace
}  // namespace hm3300::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm3300::fuzz::checkReadRun({data, size});
    return 0;
}
