#include "link/read_procedure.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "link/exchange.h"
#include "link/memory_map.h"
#include "run_fixture.h"

namespace hm3300::link {
namespace {

using model::BandListId;
using model::ChannelField;
using model::Option;
using ::testing::HasSubstr;
using testing::kSpoiledChecksum;
using testing::newChannel;
using testing::valueTexts;

const std::string kChannel5Slot = "5203005010";
const std::string kChannel5Alias = "5203083008";
const std::string kGarbage = "0102";

class ReadTest : public testing::RunFixture {
protected:
    std::size_t requests(const std::string& request) const {
        return bench.radio.framesStartingWith(request).size();
    }

    // Row 5 and 6 hold channels the radio does not have, to see what a read leaves.
    void fillRowsFiveAndSix() {
        for (int row : {5, 6}) {
            document.channels.row(row) = newChannel("440.00000");
            document.channels.row(row)[ChannelField::VoiceMode] = valueTexts().CompanderText;
        }
    }
};

TEST_F(ReadTest, AWrittenCodeplugReadsBackExactly) {
    const model::Codeplug written = testing::richCodeplug();
    document = written;
    ASSERT_TRUE(run(RunMode::Write).ok());
    const std::size_t framesOfTheWrite = bench.radio.frames().size();

    document = model::Codeplug{};
    gauge.clear();
    const RunOutcome outcome = run(RunMode::Read);

    ASSERT_TRUE(outcome.ok()) << outcome.description;
    model::Codeplug expected = written;
    expected.settings.setFlag(Option::ChangePassword, false);  // the radio does not carry it
    EXPECT_EQ(testing::differences(document, expected), "");

    const auto& frames = bench.radio.frames();
    const auto readRequests =
        std::count_if(frames.begin() + framesOfTheWrite, frames.end(),
                      [](const std::string& f) { return f.starts_with("52"); });
    EXPECT_EQ(readRequests, 267);
    EXPECT_EQ(progressCount, 137);
    EXPECT_EQ(gauge.back(), std::make_pair(138, 138));
    EXPECT_EQ(gauge[gauge.size() - 2], std::make_pair(137, 138));
}

TEST_F(ReadTest, VisitsTheBlocksInOrder) {
    ASSERT_TRUE(run(RunMode::Read).ok());
    const auto& frames = bench.radio.frames();
    ASSERT_EQ(frames.size(), 2u + 267u + 1u);
    EXPECT_EQ(frames[2].substr(0, 10), "52030CC010");
    EXPECT_EQ(frames[3].substr(0, 10), "5203001010");
    EXPECT_EQ(frames[4].substr(0, 10), "5203081008");
    EXPECT_EQ(frames[258].substr(0, 10), "52030C0808");
    const std::vector<std::string> singleBlocks{
        "52030C8010", "52030C9010", "52030D8010", "52030D9010", "52030DA010",
        "52030DB010", "52030DC010", "52030E8010", "52030CD010", "52030E0010"};
    for (std::size_t i = 0; i < singleBlocks.size(); ++i) {
        EXPECT_EQ(frames[259 + i].substr(0, 10), singleBlocks[i]);
    }
}

TEST_F(ReadTest, AnEmptySlotEmptiesTheRowButItsVoiceMode) {
    fillRowsFiveAndSix();
    ASSERT_TRUE(run(RunMode::Read).ok());
    model::Channel expected;
    expected[ChannelField::VoiceMode] = valueTexts().CompanderText;
    EXPECT_EQ(document.channels.row(5), expected);
}

TEST_F(ReadTest, OneGarbageReplyToAChannelSlotIsRetried) {
    bench.radio.answer(kChannel5Slot, {kGarbage});
    document.channels.row(5) = newChannel("440.00000");
    const auto slot = codec::hexTextToBytes("4351250043512500FF00FF00FFFFFF70").value();
    std::copy(slot.begin(), slot.end(), bench.radio.memory.begin() + channelSlotAddress(5));

    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(requests(kChannel5Slot), 2u);
    EXPECT_EQ(document.channels.row(5)[ChannelField::RxFreq], "435.12500");
}

TEST_F(ReadTest, AFailedReadLeavesTheDocumentAsItWas) {
    fillRowsFiveAndSix();
    // Channels 1 to 4 of the radio differ from the document's, and are read before the
    // failure: none of them may reach the document.
    document.channels.row(2) = testing::newChannel("401.00000");
    const model::Codeplug before = document;
    bench.radio.answer(kChannel5Slot, {kGarbage, kGarbage});
    const RunOutcome outcome = run(RunMode::Read);

    EXPECT_EQ(outcome.failure, RunFailure::LinkFailed);
    EXPECT_EQ(outcome.step.english(), "channel 5 slot");
    EXPECT_EQ(outcome.received, kGarbage);
    EXPECT_EQ(requests(kChannel5Slot), 2u);
    EXPECT_TRUE(bench.radio.framesStartingWith(kChannel5Alias).empty());
    EXPECT_EQ(bench.radio.frames().back(), testing::kEndFrame);
    EXPECT_EQ(testing::differences(document, before), "");
    EXPECT_EQ(progressCount, 4);
}

TEST_F(ReadTest, OneGarbageReplyToAnAliasOrSingleBlockFailsAtOnce) {
    const std::pair<std::string, std::string> cases[] = {
        {kChannel5Alias, "alias of channel 5"},
        {"52030CC010", "band block"},
        {"52030C8010", "option block"},
        {"52030C9010", "DTMF block"},
        {"52030E8010", "code block"},
        {"52030CD010", "password block"},
        {"52030E0010", "ID block"},
    };
    for (const auto& [request, step] : cases) {
        testing::SessionBench other;
        other.radio.answer(request, {""});
        const RunOutcome outcome = runOn(other, RunMode::Read);
        EXPECT_EQ(outcome.step.english(), step);
        EXPECT_EQ(outcome.received, "");
        EXPECT_THAT(outcome.description.english(), HasSubstr("no reply"));
        EXPECT_EQ(other.radio.framesStartingWith(request).size(), 1u) << step;
        EXPECT_EQ(other.radio.frames().back(), testing::kEndFrame);
    }
}

TEST_F(ReadTest, CallBlocksGetASecondChance) {
    bench.radio.answer("52030DA010", {kGarbage});
    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(requests("52030DA010"), 2u);

    testing::SessionBench second;
    second.radio.answer("52030DA010", {kGarbage, kGarbage});
    EXPECT_EQ(runOn(second, RunMode::Read).step.english(), "call block 2");
}

TEST_F(ReadTest, ABadChecksumIsAskedForAgainForEveryKindOfBlock) {
    for (const std::string& request : {kChannel5Slot, kChannel5Alias, std::string("52030CC010"),
                                       std::string("52030C8010"), std::string("52030DC010")}) {
        testing::SessionBench other;
        other.radio.answer(request, {kSpoiledChecksum, kSpoiledChecksum});
        EXPECT_TRUE(runOn(other, RunMode::Read).ok()) << request;
        EXPECT_EQ(other.radio.framesStartingWith(request).size(), 3u) << request;
    }
}

TEST_F(ReadTest, ChecksumsThatNeverHoldEndTheRun) {
    bench.radio.answerAlways(kChannel5Alias, kSpoiledChecksum);
    const RunOutcome outcome = run(RunMode::Read);
    EXPECT_EQ(outcome.step.english(), "alias of channel 5");
    EXPECT_THAT(outcome.description.english(), HasSubstr("wrong checksum"));
    EXPECT_EQ(requests(kChannel5Alias), static_cast<std::size_t>(kMaxBadReplies));
}

// A frame with a sound checksum that is not the block asked for: another address, a
// length byte or a size that does not fit the request.
TEST_F(ReadTest, ADataFrameForAnotherBlockIsAskedForAgain) {
    const std::string data(32, 'F');
    const std::string otherAddress = testing::withChecksum("57120060" + data);
    const std::string shortFrame = testing::withChecksum("57110050" + data.substr(2));
    const std::string wrongLengthByte = testing::withChecksum("57130050" + data);
    const std::string trailingByte = testing::withChecksum("57120050" + data + "FF");
    bench.radio.answer(kChannel5Slot, {otherAddress, shortFrame, wrongLengthByte, trailingByte});
    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(requests(kChannel5Slot), 5u);

    testing::SessionBench other;
    other.radio.answerAlways(kChannel5Slot, otherAddress);
    const RunOutcome outcome = runOn(other, RunMode::Read);
    EXPECT_EQ(outcome.step.english(), "channel 5 slot");
    EXPECT_THAT(outcome.description.english(), HasSubstr("not the block asked for"));
    // Each of the two chances of a channel slot asks up to the bound.
    EXPECT_EQ(other.radio.framesStartingWith(kChannel5Slot).size(),
              static_cast<std::size_t>(kRetryCount * kMaxBadReplies));
}

TEST_F(ReadTest, AStopEndsTheReadWithTheEndCommandAndLeavesTheDocument) {
    fillRowsFiveAndSix();
    const model::Codeplug before = document;
    stopRequest = [this] { return bench.radio.frames().size() >= 20; };
    const RunOutcome outcome = run(RunMode::Read);

    EXPECT_EQ(outcome.failure, RunFailure::Interrupted);
    EXPECT_THAT(outcome.description.english(), HasSubstr("interrupted"));
    EXPECT_EQ(bench.radio.frames().size(), 21u);
    EXPECT_EQ(bench.radio.frames().back(), testing::kEndFrame);
    EXPECT_EQ(testing::differences(document, before), "");
}

TEST_F(ReadTest, BusyRepliesRepeatTheRequest) {
    bench.radio.answer("52030C8010", {"090009", "090009"});
    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(requests("52030C8010"), 3u);
}

TEST_F(ReadTest, AChannelSlotThatStaysBusyFailsAfterItsRetries) {
    bench.radio.answerAlways(kChannel5Slot, "090009");
    const RunOutcome outcome = run(RunMode::Read);
    EXPECT_EQ(outcome.step.english(), "channel 5 slot");
    EXPECT_THAT(outcome.description.english(), HasSubstr("Busy"));
    EXPECT_EQ(requests(kChannel5Slot), 2u * kMaxBusyReplies);
}

TEST_F(ReadTest, AnErasedBandBlockLeavesTheBandListsAndTheReadGoesOn) {
    std::fill_n(bench.radio.memory.begin() + kBandBlockAddress, kBlockSize, 0xFF);
    document.bands[BandListId::BAND_Rx] = {{"350-390MHz"}, 0};
    const model::BandLists before = document.bands;

    EXPECT_TRUE(run(RunMode::Read).ok());
    EXPECT_EQ(document.bands, before);
}

TEST_F(ReadTest, ANewBandIsAddedOnceAndSelected) {
    document.bands[BandListId::BAND_Rx] = {{"350-390MHz", "136-174MHz"}, 0};
    document.bands[BandListId::BAND_Tx] = {};
    ASSERT_TRUE(run(RunMode::Read).ok());
    ASSERT_TRUE(run(RunMode::Read).ok());

    EXPECT_EQ(document.bands[BandListId::BAND_Rx],
              (model::BandList{{"350-390MHz", "136-174MHz", "400-470MHz"}, 2}));
    EXPECT_EQ(document.bands[BandListId::BAND_Tx], (model::BandList{{"400-470MHz"}, 0}));
    EXPECT_EQ(document.bands[BandListId::BAND_Rx1], (model::BandList{{"136-174MHz"}, 0}));
}

}  // namespace
}  // namespace hm3300::link
