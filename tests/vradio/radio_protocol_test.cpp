#include "vradio/radio_protocol.h"

#include <gtest/gtest.h>

#include "codec/hex_text.h"
#include "link/frame.h"

namespace hm3300::vradio {
namespace {

using codec::toHexText;

constexpr std::string_view kHandshake = "02054B6F70726140";
constexpr std::string_view kIdentification = "06064472756D657833";
constexpr std::string_view kReady = "060006";
constexpr std::string_view kAck = "060006";
constexpr std::string_view kBusy = "090009";
constexpr std::string_view kEnd = "64016F0A";
constexpr std::string_view kReadBand = "52030CC0108D";
constexpr std::string_view kFactoryBand = "57120CC04700400047004000174013601740136089";
constexpr std::string_view kWriteChannel1 = "5712001000112233445566778899AABBCCDDEEFF55";
constexpr std::string_view kReadChannel1 = "520300101051";
constexpr std::string_view kChannel1Data = "5712001000112233445566778899AABBCCDDEEFF55";
constexpr std::string_view kErasedChannel1 = "57120010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF55";
constexpr std::string_view kGarbage = "A55AA5";

std::vector<std::uint8_t> bytes(std::string_view hex) {
    return codec::hexTextToBytes(hex).value();
}

class RadioProtocolTest : public ::testing::Test {
protected:
    // Everything the radio sends in answer to `hex`, as HexText.
    std::string send(std::string_view hex) {
        std::string replies;
        for (const auto& outcome : protocol().receive(bytes(hex))) {
            replies += toHexText(outcome.reply);
        }
        return replies;
    }
    RadioProtocol& protocol() {
        if (!protocol_) {
            protocol_.emplace(memory_, faults_);
        }
        return *protocol_;
    }

    Faults faults_;
    RadioMemory memory_;
    std::optional<RadioProtocol> protocol_;
};

TEST_F(RadioProtocolTest, AnswersAWholeSessionWithTheExactBytes) {
    EXPECT_EQ(send(kHandshake), kIdentification);
    EXPECT_EQ(send(kReady), kAck);
    EXPECT_EQ(send(kReadBand), kFactoryBand);
    EXPECT_EQ(send(kReadChannel1), kErasedChannel1);
    EXPECT_EQ(send(kWriteChannel1), kAck);
    EXPECT_EQ(send(kReadChannel1), kChannel1Data);

    const auto end = protocol().receive(bytes(kEnd));
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(toHexText(end[0].reply), kAck);
    EXPECT_TRUE(end[0].sessionEnded);
}

TEST_F(RadioProtocolTest, WriteStoresIntoTheMemory) {
    send(kHandshake);
    EXPECT_FALSE(memory_.modified());
    // Alias of channel 1: eight bytes at 0x0810.
    EXPECT_EQ(send(toHexText(link::frameBytes("570A08100102030405060FFF"))), kAck);
    EXPECT_TRUE(memory_.modified());
    EXPECT_EQ(toHexText(memory_.read(0x0810, 8)), "0102030405060FFF");
    EXPECT_EQ(send("520308100841"), "570A08100102030405060FFFB2");
}

TEST_F(RadioProtocolTest, ListensOnlyForTheHandshakeOutsideASession) {
    for (const auto request : {kReady, kReadBand, kWriteChannel1, kEnd}) {
        EXPECT_EQ(send(request), "") << request;
    }
    EXPECT_FALSE(memory_.modified());

    send(kHandshake);
    send(kEnd);
    EXPECT_EQ(send(kReadBand), "") << "the end command closes the session";
    EXPECT_EQ(send(kHandshake), kIdentification);
    EXPECT_EQ(send(kReadBand), kFactoryBand);
}

TEST_F(RadioProtocolTest, RepeatedHandshakesAreAllAnswered) {
    EXPECT_EQ(send(kHandshake), kIdentification);
    EXPECT_EQ(send(kHandshake), kIdentification);
}

TEST_F(RadioProtocolTest, FrameWithBadChecksumGetsNoAnswer) {
    EXPECT_EQ(send("02054B6F70726141"), "");
    send(kHandshake);
    EXPECT_EQ(send("52030CC0108C"), "");
    EXPECT_EQ(send("5712001000112233445566778899AABBCCDDEEFF54"), "");
    EXPECT_FALSE(memory_.modified());
    EXPECT_EQ(send(kReadBand), kFactoryBand) << "the next good frame is answered";
}

// A corrupted write whose data happens to spell a ready request must not be answered.
TEST_F(RadioProtocolTest, DoesNotLookForFramesInsideABadFrame) {
    send(kHandshake);
    EXPECT_EQ(send("570A0810060006060006FFFF00"), "");
}

TEST_F(RadioProtocolTest, UnknownGreetingOrEndArgumentGetsNoAnswer) {
    EXPECT_EQ(send(toHexText(link::frameBytes("02054B6F707262"))), "");
    send(kHandshake);
    EXPECT_EQ(send(toHexText(link::frameBytes("640170"))), "");
}

TEST_F(RadioProtocolTest, ReadOutsideTheMemoryGetsNoAnswer) {
    send(kHandshake);
    EXPECT_EQ(send(toHexText(link::frameBytes("52030FF810"))), "");
    EXPECT_EQ(send(toHexText(link::frameBytes("5712"
                                              "0FF8"
                                              "00112233445566778899AABBCCDDEEFF"))),
              "");
    EXPECT_EQ(send(toHexText(link::frameBytes("52030FF008"))), "570A0FF0FFFFFFFFFFFFFFFFA2");
}

TEST_F(RadioProtocolTest, FindsFramesAcrossPiecesAndAfterNoise) {
    send(kHandshake);
    const std::string split(kReadBand);
    EXPECT_EQ(send(split.substr(0, 4)), "");
    EXPECT_TRUE(protocol().hasPartialFrame());
    EXPECT_EQ(send(split.substr(4)), kFactoryBand);

    // Noise, then two requests in one piece.
    EXPECT_EQ(send("FF00A5" + std::string(kReady) + std::string(kReadBand)),
              std::string(kAck) + std::string(kFactoryBand));
}

TEST_F(RadioProtocolTest, DroppedPartialFrameLeavesRoomForTheNextRequest) {
    send(kHandshake);
    send("57120010");  // the rest of this write never comes
    ASSERT_TRUE(protocol().hasPartialFrame());
    const auto dropped = protocol().dropPartialFrame();
    EXPECT_EQ(toHexText(dropped.request), "57120010");
    EXPECT_TRUE(dropped.reply.empty());
    EXPECT_EQ(send(kReadBand), kFactoryBand);
}

TEST_F(RadioProtocolTest, DescribesAnExchangeInOneLine) {
    const auto outcomes = protocol().receive(bytes(kHandshake));
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(describe(outcomes[0]),
              std::string(kHandshake) + " -> " + std::string(kIdentification) + ": handshake");
}

// One fault, the requests sent after the handshake and the replies expected to each.
struct FaultCase {
    std::string name;
    Faults faults;
    std::vector<std::pair<std::string_view, std::string_view>> exchanges;
};

void PrintTo(const FaultCase& faultCase, std::ostream* out) {
    *out << faultCase.name;
}

class FaultTest : public RadioProtocolTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, AnswersAsTheFaultSays) {
    faults_ = GetParam().faults;
    if (!faults_.silent) {
        send(kHandshake);
    }
    for (const auto& [request, reply] : GetParam().exchanges) {
        EXPECT_EQ(send(request), reply) << request;
    }
}

Faults silent() {
    return {.silent = true};
}
Faults wrongId() {
    return {.wrongId = true};
}
Faults busyReady() {
    return {.busyReady = 2};
}
Faults busyWrites() {
    return {.busyWrites = 1};
}
Faults garbage() {
    return {.garbage = {{0x0CC0, 2}}};
}
Faults badChecksum() {
    return {.badChecksum = {{0x0CC0, 1}}};
}
Faults refuseWrite() {
    return {.refuseWrite = {{0x0010, 1}}};
}
Faults wrongAddress() {
    return {.wrongAddress = {{0x0010, 1}}};
}
Faults wrongLength() {
    return {.wrongLength = {{0x0010, 1}}};
}
Faults erasedBand() {
    return {.erasedBand = true};
}

INSTANTIATE_TEST_SUITE_P(
    EachFault, FaultTest,
    ::testing::Values(
        FaultCase{"Silent", silent(), {{kHandshake, ""}, {kReady, ""}, {kReadBand, ""}}},
        FaultCase{
            "WrongId", wrongId(), {{kHandshake, "06064472756D657932"}, {kReadBand, kFactoryBand}}},
        FaultCase{"BusyReady",
                  busyReady(),
                  {{kReady, kBusy}, {kReady, kBusy}, {kReady, kAck}, {kReady, kAck}}},
        FaultCase{"BusyWrites",
                  busyWrites(),
                  {{kWriteChannel1, kBusy},
                   {kReadChannel1, kErasedChannel1},
                   {kWriteChannel1, kAck},
                   {kReadChannel1, kChannel1Data}}},
        FaultCase{"Garbage",
                  garbage(),
                  {{kReadBand, kGarbage},
                   {kReadChannel1, kErasedChannel1},
                   {kReadBand, kGarbage},
                   {kReadBand, kFactoryBand}}},
        FaultCase{"BadChecksum",
                  badChecksum(),
                  {{kReadChannel1, kErasedChannel1},
                   {kReadBand, "57120CC04700400047004000174013601740136076"},
                   {kReadBand, kFactoryBand}}},
        FaultCase{"RefuseWrite",
                  refuseWrite(),
                  {{kWriteChannel1, kGarbage},
                   {kReadChannel1, kErasedChannel1},
                   {kWriteChannel1, kAck},
                   {kReadChannel1, kChannel1Data}}},
        FaultCase{"WrongAddress",
                  wrongAddress(),
                  {{kReadChannel1, "57120020FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF65"},
                   {kReadChannel1, kErasedChannel1}}},
        FaultCase{"WrongLength",
                  wrongLength(),
                  {{kReadChannel1, "57110010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFA9"},
                   {kReadChannel1, kErasedChannel1}}},
        FaultCase{"ErasedBand",
                  erasedBand(),
                  {{kReadBand, "57120CC0FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF89"},
                   {kReadChannel1, kErasedChannel1}}}),
    [](const auto& info) { return info.param.name; });

TEST_F(RadioProtocolTest, ALateReplyIsDelayedPastTheProgramsWait) {
    faults_.late = {{0x0010, 1}};
    send(kHandshake);
    const auto late = protocol().receive(bytes(kReadChannel1));
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(toHexText(late[0].reply), kErasedChannel1);
    EXPECT_GT(late[0].delay, std::chrono::milliseconds(80));
    EXPECT_EQ(protocol().receive(bytes(kReadChannel1))[0].delay.count(), 0);
}

TEST_F(RadioProtocolTest, ErasedBandLeavesTheStoredBandAlone) {
    faults_.erasedBand = true;
    send(kHandshake);
    send(kReadBand);
    EXPECT_EQ(toHexText(memory_.read(0x0CC0, 4)), "47004000");
}

}  // namespace
}  // namespace hm3300::vradio
