// Fast pacing ends a wait once the reply is complete; everything else about a run must be
// what fixed pacing does.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "link/exchange.h"
#include "link/link_trace.h"
#include "link/memory_map.h"
#include "run_fixture.h"

namespace hm3300::link {
namespace {

using ::testing::HasSubstr;
using testing::kSpoiledChecksum;
using testing::SessionBench;

// What a run did: its outcome, every frame sent, and how long it took on the virtual clock.
struct RunRecord {
    RunOutcome outcome;
    std::vector<std::string> frames;
    long long elapsedMs = 0;
};

class PacingTest : public testing::RunFixture {
protected:
    // The same run, on a fresh radio set up by `script`, in `pacing`.
    RunRecord runIn(Pacing pacing, RunMode mode,
                    const std::function<void(SessionBench&)>& script = {}) {
        SessionBench radio;
        radio.radio.replyDelayMs = 5;
        if (script) {
            script(radio);
        }
        options.pacing = pacing;
        RunRecord record;
        record.outcome = runOn(radio, mode);
        record.frames = radio.radio.frames();
        record.elapsedMs = radio.waiter.now();
        return record;
    }
};

TEST_F(PacingTest, BothPacingsSendTheSameFramesAndFastEndsEachWaitAtItsReply) {
    document = testing::richCodeplug();
    for (RunMode mode : {RunMode::Write, RunMode::Read}) {
        const RunRecord fixed = runIn(Pacing::Fixed, mode);
        const RunRecord fast = runIn(Pacing::Fast, mode);
        ASSERT_TRUE(fixed.outcome.ok()) << fixed.outcome.description;
        ASSERT_TRUE(fast.outcome.ok()) << fast.outcome.description;
        EXPECT_EQ(fast.frames, fixed.frames);
        // The port reset keeps its waits; every exchange ends when its reply is in.
        EXPECT_EQ(fast.elapsedMs, 2 * 150 + 5 * static_cast<long long>(fast.frames.size()));
        EXPECT_GT(fixed.elapsedMs, 70 * static_cast<long long>(fixed.frames.size()));
    }
}

// Every kind of trouble ends the same way in both pacings: the same outcome after the same
// frames.
TEST_F(PacingTest, TroubleEndsTheSameInBothPacings) {
    const std::string data(32, 'F');
    const std::vector<std::pair<std::string, std::function<void(SessionBench&)>>> cases = {
        {"a Busy storm on the ready request",
         [](SessionBench& b) { b.radio.answerAlways("0600", "090009"); }},
        {"Busy replies to a write, then Ack",
         [](SessionBench& b) {
             b.radio.answer("57120C80", {"090009", "090009"});
         }},
        {"garbage for a channel slot",
         [](SessionBench& b) {
             b.radio.answer("5203005010", {"0102", "0102"});
         }},
        {"bad checksums for an alias",
         [](SessionBench& b) { b.radio.answerAlways("5203083008", kSpoiledChecksum); }},
        {"a silent radio", [](SessionBench& b) { b.radio.answerAlways("", ""); }},
        {"another identification",
         [](SessionBench& b) { b.radio.answerAlways("0205", "06064472756D657934"); }},
        {"a reply for another block",
         [data](SessionBench& b) {
             b.radio.answerAlways("52030CC010", testing::withChecksum("57120CD0" + data));
         }},
        {"a single-head cable", [](SessionBench& b) { b.radio.echo(true); }},
        {"a single-head cable and a silent radio",
         [](SessionBench& b) {
             b.radio.echo(true);
             b.radio.answerAlways("", "");
         }},
    };
    for (const auto& [name, script] : cases) {
        SCOPED_TRACE(name);
        options.singleHead = name.find("single-head") != std::string::npos;
        for (RunMode mode : {RunMode::Read, RunMode::Write}) {
            const RunRecord fixed = runIn(Pacing::Fixed, mode, script);
            const RunRecord fast = runIn(Pacing::Fast, mode, script);
            EXPECT_EQ(fast.outcome.failure, fixed.outcome.failure);
            EXPECT_EQ(fast.outcome.step, fixed.outcome.step);
            EXPECT_EQ(fast.outcome.received, fixed.outcome.received);
            EXPECT_EQ(fast.frames, fixed.frames);
        }
    }
}

TEST(Pacing, AReplyInPiecesIsWaitedForUpToTheFixedWait) {
    const std::string reply = testing::withChecksum("57120CC0" + std::string(32, 'F'));
    const auto pieces = [&reply](int lastAtMs) {
        return std::vector<testing::ReplyPiece>{
            {10, reply.substr(0, 6)}, {30, reply.substr(6, 20)}, {lastAtMs, reply.substr(26)}};
    };
    testing::Bench bench;
    bench.link.setPacing(Pacing::Fast);
    bench.radio.answerInPieces("52030CC010", pieces(60));
    bench.link.sendAndWait("52030CC010", kBlockWaitMs);
    EXPECT_EQ(bench.link.rxBuffer(), reply);
    EXPECT_EQ(bench.waiter.now(), 60);

    // The last piece comes after the fixed wait: the reply is incomplete in both pacings.
    for (Pacing pacing : {Pacing::Fixed, Pacing::Fast}) {
        testing::Bench late;
        late.link.setPacing(pacing);
        late.radio.answerInPieces("52030CC010", pieces(kBlockWaitMs + 20));
        late.link.sendAndWait("52030CC010", kBlockWaitMs);
        EXPECT_EQ(late.link.rxBuffer(), reply.substr(0, 26));
        EXPECT_EQ(late.waiter.now(), kBlockWaitMs);
    }
}

TEST(Pacing, FastPacingPausesAfterBusyBeforeAskingAgain) {
    testing::Bench bench;
    bench.link.setPacing(Pacing::Fast);
    bench.radio.replyDelayMs = 3;
    bench.radio.answer("0600", {"090009", "090009"});
    std::ostringstream log;
    LinkTrace trace(log);
    bench.link.setTrace(&trace);
    ASSERT_TRUE(waitUntilReady(bench.link).accepted());
    EXPECT_EQ(bench.radio.frames().size(), 3u);
    EXPECT_EQ(bench.waiter.now(), 3 * 3 + 2 * kBusyBackOffMs);
    EXPECT_THAT(log.str(), HasSubstr("Busy: pausing"));
}

}  // namespace
}  // namespace hm3300::link
