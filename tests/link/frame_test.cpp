#include "link/frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "fake_radio.h"
#include "link/link_trace.h"
#include "link/serial_link.h"

namespace hm3300::link {
namespace {

using testing::Bench;
using ::testing::HasSubstr;

std::vector<std::uint8_t> bytes(std::initializer_list<std::uint8_t> list) {
    return list;
}

TEST(Frame, AddsTheXorAndCountsTheEchoInHexDigits) {
    Bench bench;
    bench.radio.answerAlways("", "");
    bench.link.sendAndWait("0600", 0);
    EXPECT_EQ(bench.link.lastFrame(), bytes({0x06, 0x00, 0x06}));
    EXPECT_EQ(bench.link.pendingEcho(), 6u);

    bench.link.sendAndWait("64016F", 0);
    EXPECT_EQ(bench.link.lastFrame(), bytes({0x64, 0x01, 0x6F, 0x0A}));

    bench.link.sendAndWait("52030CC010", 0);
    EXPECT_EQ(bench.link.lastFrame(),
              bytes({0x52, 0x03, 0x0C, 0xC0, 0x10, 0x52 ^ 0x03 ^ 0x0C ^ 0xC0 ^ 0x10}));
    EXPECT_EQ(bench.link.pendingEcho(), 12u);
}

TEST(Frame, FixedRequestsMatchTheirWireForm) {
    EXPECT_EQ(codec::toHexText(frameBytes(kHandshakeRequest)), "02054B6F70726140");
    EXPECT_TRUE(checksumOk(kIdentificationReply));
    EXPECT_TRUE(checksumOk(kAckReply));
    EXPECT_TRUE(checksumOk(kBusyReply));
}

TEST(SendAndWait, ClearsTheBufferWritesAndWaits) {
    Bench bench;
    bench.link.receive(bytes({0x01, 0x02}));
    bench.radio.answer("0600", {""});
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.radio.frames(), std::vector<std::string>{"060006"});
    EXPECT_EQ(bench.link.rxBuffer(), "");
    EXPECT_EQ(bench.waiter.now(), 70);
}

class EchoRemoval : public ::testing::Test {
protected:
    EchoRemoval() {
        bench.link.setSingleHead(true);
        // A frame the radio does not answer: its whole echo is still to come.
        bench.radio.answer("52030CC010", {""});
        bench.link.sendAndWait("52030CC010", 0);
    }
    Bench bench;
    const std::vector<std::uint8_t> echo = frameBytes("52030CC010");
};

TEST_F(EchoRemoval, TheEchoAloneStaysUntilMoreArrives) {
    bench.link.receive(echo);
    EXPECT_EQ(bench.link.rxBuffer().size(), 12u);
    EXPECT_EQ(bench.link.pendingEcho(), 12u);

    bench.link.receive(bytes({0x57, 0x12}));
    EXPECT_EQ(bench.link.rxBuffer(), "5712");
    EXPECT_EQ(bench.link.pendingEcho(), 0u);

    bench.link.receive(bytes({0x0C, 0xC0}));
    EXPECT_EQ(bench.link.rxBuffer(), "57120CC0");
}

TEST_F(EchoRemoval, EchoAndReplyInOneEventLoseTheEchoAtOnce) {
    auto chunk = echo;
    chunk.push_back(0x06);
    bench.link.receive(chunk);
    EXPECT_EQ(bench.link.rxBuffer(), "06");
}

TEST_F(EchoRemoval, AnUnansweredFrameLeavesItsEcho) {
    bench.radio.echo(true);
    bench.radio.answer("0600", {""});
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.link.rxBuffer(), "060006");
}

TEST_F(EchoRemoval, DualHeadKeepsEverythingThatArrived) {
    bench.link.setSingleHead(false);
    auto chunk = echo;
    chunk.push_back(0x0A);
    bench.link.receive(chunk);
    EXPECT_EQ(bench.link.rxBuffer(), codec::toHexText(echo) + "0A");
}

TEST(ReplyChecksum, ComparesTheLastByteWithTheXorOfTheOthers) {
    Bench bench;
    bench.link.receive(bytes({0x06, 0x00, 0x06}));
    EXPECT_TRUE(bench.link.replyChecksumOk());

    Bench offByOne;
    offByOne.link.receive(bytes({0x06, 0x00, 0x07}));
    EXPECT_FALSE(offByOne.link.replyChecksumOk());

    Bench silent;
    EXPECT_FALSE(silent.link.replyChecksumOk());
}

TEST(SendAndWait, BytesThatCameAfterTheirWaitAreDroppedBeforeTheNextFrame) {
    Bench bench;
    std::ostringstream log;
    LinkTrace trace(log);
    bench.link.setTrace(&trace);
    bench.radio.answer("0600", {testing::kLateReply, ""});
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.link.rxBuffer(), "");
    // The Ack of the first ready request comes late: it must not pass for the reply to the
    // second one, which the radio does not answer.
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.link.rxBuffer(), "");
    EXPECT_THAT(log.str(), HasSubstr("x  dropped 06 00 06"));
}

TEST(SendAndWait, AStopRequestSendsNothingMoreButTheFinalFrame) {
    Bench bench;
    bool stop = false;
    bench.link.setStopRequest([&stop] { return stop; });
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.link.rxBuffer(), "060006");
    stop = true;
    bench.link.sendAndWait("0600", 70);
    EXPECT_TRUE(bench.link.stopped());
    EXPECT_EQ(bench.link.rxBuffer(), "");
    bench.link.sendFinal("64016F", 70);
    EXPECT_EQ(bench.radio.frames(), (std::vector<std::string>{"060006", "64016F0A"}));
}

TEST(LinkTrace, ListsFramesWaitsAndDropsWithTheirTimes) {
    Bench bench;
    std::ostringstream log;
    LinkTrace trace(log);
    bench.link.setTrace(&trace);
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(log.str(),
              "      0 ms  >  06 00 06\n"
              "      0 ms  <  06 00 06\n"
              "     70 ms  .  waited 70 ms\n");
}

TEST(Receive, ASmallByteKeepsBothDigits) {
    Bench bench;
    bench.link.receive(bytes({0x0A, 0x00}));
    EXPECT_EQ(bench.link.rxBuffer(), "0A00");
}

}  // namespace
}  // namespace hm3300::link
