#include "link/frame.h"

#include <gtest/gtest.h>

#include "fake_radio.h"
#include "link/serial_link.h"

namespace hm3300::link {
namespace {

using testing::Bench;

std::vector<std::uint8_t> bytes(std::initializer_list<std::uint8_t> list) {
    return list;
}

TEST(MakeFrame, AddsTheXorAndCountsTheEchoInHexDigits) {
    Bench bench;
    bench.link.MakeFrame("0600");
    EXPECT_EQ(bench.link.TxBytes(), bytes({0x06, 0x00, 0x06}));
    EXPECT_EQ(bench.link.EchoLength(), 6u);

    bench.link.MakeFrame("64016F");
    EXPECT_EQ(bench.link.TxBytes(), bytes({0x64, 0x01, 0x6F, 0x0A}));

    bench.link.MakeFrame("52030CC010");
    EXPECT_EQ(bench.link.TxBytes(),
              bytes({0x52, 0x03, 0x0C, 0xC0, 0x10, 0x52 ^ 0x03 ^ 0x0C ^ 0xC0 ^ 0x10}));
    EXPECT_EQ(bench.link.EchoLength(), 12u);
}

TEST(MakeFrame, FixedRequestsMatchTheirWireForm) {
    EXPECT_EQ(codec::toHexText(frameBytes(kHandshakeRequest)), "02054B6F70726140");
    EXPECT_TRUE(checksumOk(kIdentificationReply));
    EXPECT_TRUE(checksumOk(kAckReply));
    EXPECT_TRUE(checksumOk(kBusyReply));
}

TEST(sendAndWait, ClearsTheBufferWritesAndWaits) {
    Bench bench;
    bench.link.receive(bytes({0x01, 0x02}));
    bench.radio.answer("0600", {""});
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.radio.frames(), std::vector<std::string>{"060006"});
    EXPECT_EQ(bench.link.RxBuffer(), "");
    EXPECT_EQ(bench.waiter.now(), 70);
}

class EchoRemoval : public ::testing::Test {
protected:
    EchoRemoval() {
        bench.link.setSingleHead(true);
        bench.link.MakeFrame("52030CC010");
    }
    Bench bench;
    const std::vector<std::uint8_t> echo = frameBytes("52030CC010");
};

TEST_F(EchoRemoval, TheEchoAloneStaysUntilMoreArrives) {
    bench.link.receive(echo);
    EXPECT_EQ(bench.link.RxBuffer().size(), 12u);
    EXPECT_EQ(bench.link.EchoLength(), 12u);

    bench.link.receive(bytes({0x57, 0x12}));
    EXPECT_EQ(bench.link.RxBuffer(), "5712");
    EXPECT_EQ(bench.link.EchoLength(), 0u);

    bench.link.receive(bytes({0x0C, 0xC0}));
    EXPECT_EQ(bench.link.RxBuffer(), "57120CC0");
}

TEST_F(EchoRemoval, EchoAndReplyInOneEventLoseTheEchoAtOnce) {
    auto chunk = echo;
    chunk.push_back(0x06);
    bench.link.receive(chunk);
    EXPECT_EQ(bench.link.RxBuffer(), "06");
}

TEST_F(EchoRemoval, AnUnansweredFrameLeavesItsEcho) {
    bench.radio.echo(true);
    bench.radio.answer("0600", {""});
    bench.link.sendAndWait("0600", 70);
    EXPECT_EQ(bench.link.RxBuffer(), "060006");
}

TEST_F(EchoRemoval, DualHeadKeepsEverythingThatArrived) {
    bench.link.setSingleHead(false);
    auto chunk = echo;
    chunk.push_back(0x0A);
    bench.link.receive(chunk);
    EXPECT_EQ(bench.link.RxBuffer(), codec::toHexText(echo) + "0A");
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

TEST(Receive, ASmallByteKeepsBothDigits) {
    Bench bench;
    bench.link.receive(bytes({0x0A, 0x00}));
    EXPECT_EQ(bench.link.RxBuffer(), "0A00");
}

}  // namespace
}  // namespace hm3300::link
