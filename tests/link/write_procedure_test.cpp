#include "link/write_procedure.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "codec/channel_slot.h"
#include "link/blocks.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_trace.h"
#include "link/memory_map.h"
#include "run_fixture.h"

namespace hm3300::link {
namespace {

using model::ChannelField;
using model::Option;
using ::testing::HasSubstr;
using testing::newChannel;
using testing::valueTexts;

const std::string kChannel5Slot = "57120050";
const std::string kChannel5Alias = "570A0830";
const std::string kRefusal = "0601";

using testing::withChecksum;

class WriteTest : public testing::RunFixture {
protected:
    std::size_t sent(const std::string& prefix) const {
        return bench.radio.framesStartingWith(prefix).size();
    }
    // The frames after the ready request, end command excluded.
    std::vector<std::string> procedureFrames() const {
        const auto& frames = bench.radio.frames();
        return {frames.begin() + 2, frames.end() - 1};
    }
};

TEST_F(WriteTest, AFullWriteSendsEveryBlockInOrder) {
    document = testing::richCodeplug();
    const RunOutcome outcome = run(RunMode::Write);
    ASSERT_TRUE(outcome.ok()) << outcome.description;

    const model::RadioSettings& s = document.settings;
    std::vector<std::string> expected{withChecksum("52030CC010")};
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const model::Channel& row = document.channels.row(channel);
        expected.push_back(withChecksum(writeRequest(channelSlotAddress(channel),
                                                     codec::encodeChannelSlot(row, valueTexts()))));
        expected.push_back(withChecksum(writeRequest(
            nameSlotAddress(channel), codec::encodeNameSlot(row[ChannelField::Alias]))));
    }
    expected.push_back(withChecksum("57120C80" + encodeOptionBlock(s, "01")));
    expected.push_back(withChecksum("570D0C90" + encodeDtmfBlock(s)));
    for (int block = 0; block < kCallBlockCount; ++block) {
        expected.push_back(
            withChecksum(writeRequest(callBlockAddress(block), encodeCallBlock(block, s))));
    }
    for (int block = 0; block < kClearedBlockCount; ++block) {
        expected.push_back(
            withChecksum(writeRequest(clearedBlockAddress(block), std::string(32, 'F'))));
    }
    expected.push_back(withChecksum("57080CD0020406080100"));
    expected.push_back(withChecksum("57120E00" + encodeIdBlock(s)));
    expected.push_back(withChecksum("57120E80" + encodeCodeBlock(s)));
    EXPECT_EQ(procedureFrames(), expected);

    EXPECT_EQ(sent("52"), 1u);
    EXPECT_EQ(sent("57"), 274u);
    EXPECT_EQ(progressCount, 145);
    EXPECT_EQ(gauge[gauge.size() - 2], std::make_pair(145, 148));
    EXPECT_EQ(gauge.back(), std::make_pair(148, 148));
}

TEST_F(WriteTest, AnEmptyDocumentIsWrittenAsErasedSlotsWithoutThePassword) {
    const RunOutcome outcome = run(RunMode::Write);
    ASSERT_TRUE(outcome.ok()) << outcome.description;

    EXPECT_EQ(sent("57"), 273u);
    EXPECT_EQ(sent("57080CD0"), 0u);
    EXPECT_EQ(sent("5712"), 128u + 1 + 5 + 8 + 2);
    EXPECT_EQ(bench.radio.framesStartingWith("57120010")[0],
              withChecksum("57120010" + std::string(32, 'F')));
    EXPECT_EQ(bench.radio.framesStartingWith("570A0810")[0],
              withChecksum("570A08100F0F0F0F0F0FFFFF"));
    EXPECT_TRUE(bench.radio.framesStartingWith("57120C80")[0].starts_with("57120C80FF"));
    EXPECT_EQ(progressCount, 144);
    EXPECT_THAT(gaugeValues(), ::testing::Contains(144));
    EXPECT_EQ(gauge.back(), std::make_pair(148, 148));
}

TEST_F(WriteTest, AChannelSlotRefusedOnceIsSentAgain) {
    bench.radio.answer(kChannel5Slot, {kRefusal});
    EXPECT_TRUE(run(RunMode::Write).ok());
    EXPECT_EQ(sent(kChannel5Slot), 2u);
}

TEST_F(WriteTest, AChannelSlotRefusedTwiceEndsTheWrite) {
    bench.radio.answer(kChannel5Slot, {kRefusal, ""});
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "channel 5 slot");
    EXPECT_EQ(outcome.received, "");
    EXPECT_EQ(sent(kChannel5Slot), 2u);
    EXPECT_EQ(procedureFrames().back(), bench.radio.framesStartingWith(kChannel5Slot).back());
    EXPECT_EQ(bench.radio.frames().back(), testing::kEndFrame);
    EXPECT_EQ(progressCount, 4);
}

TEST_F(WriteTest, ARefusedAliasStillWritesEveryChannelButNoLaterBlock) {
    bench.radio.answer(kChannel5Alias, {kRefusal});
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "alias of channel 5");
    EXPECT_EQ(outcome.received, kRefusal);
    EXPECT_EQ(sent(kChannel5Alias), 1u);
    EXPECT_EQ(sent("57"), 256u);
    EXPECT_EQ(procedureFrames().back().substr(0, 8), "570A0C08");
    EXPECT_EQ(progressCount, 128);
}

TEST_F(WriteTest, ARefusedOptionBlockStillCountsAndStopsTheWrite) {
    bench.radio.answer("57120C80", {kRefusal});
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "option block");
    EXPECT_EQ(sent("570D0C90"), 0u);
    EXPECT_EQ(progressCount, 129);
}

TEST_F(WriteTest, ARefusedCallBlockStillSendsTheOtherCallBlocks) {
    bench.radio.answer("57120D90", {kRefusal});
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "call block 1");
    EXPECT_EQ(sent("57120D8"), 1u);
    EXPECT_EQ(sent("57120DC"), 1u);
    EXPECT_EQ(sent("57120D0"), 0u);
    EXPECT_EQ(progressCount, 135);
}

TEST_F(WriteTest, ARefusedCodeBlockFillsTheGaugeAndFails) {
    bench.radio.answer("57120E80", {kRefusal});
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "code block");
    EXPECT_EQ(gauge.back(), std::make_pair(148, 148));
}

TEST_F(WriteTest, BusyRepliesRepeatTheFrameAndAnEndlessStormIsARefusal) {
    bench.radio.answer("57120C80", {"090009", "090009"});
    EXPECT_TRUE(run(RunMode::Write).ok());
    EXPECT_EQ(sent("57120C80"), 3u);

    testing::SessionBench other;
    other.radio.answerAlways("57120E00", "090009");
    const RunOutcome outcome = runOn(other, RunMode::Write);
    EXPECT_EQ(outcome.step.english(), "ID block");
    EXPECT_THAT(outcome.description.english(), HasSubstr("Busy 20 times"));
    EXPECT_EQ(other.radio.framesStartingWith("57120E00").size(),
              static_cast<std::size_t>(kMaxBusyReplies));
    EXPECT_EQ(other.radio.framesStartingWith("57120E80").size(), 0u);
}

TEST_F(WriteTest, AnErasedBandBlockStopsTheWriteBeforeAnyWriteFrame) {
    std::fill_n(bench.radio.memory.begin() + kBandBlockAddress, kBlockSize, 0xFF);
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "band block");
    EXPECT_THAT(outcome.description.english(), HasSubstr("erased"));
    EXPECT_EQ(sent("57"), 0u);
    EXPECT_EQ(bench.radio.frames().back(), testing::kEndFrame);
}

TEST_F(WriteTest, AnUnreadableBandBlockStopsTheWrite) {
    bench.radio.answer("52030CC010", {"0A"});
    EXPECT_EQ(run(RunMode::Write).step.english(), "band block");
    EXPECT_EQ(sent("57"), 0u);
}

// The radio acknowledges the alias of channel 5 only after the wait, and then does not
// answer the slot of channel 6: that late Ack must not pass for the slot's.
TEST_F(WriteTest, ALateAckIsNotCreditedToTheNextFrame) {
    bench.radio.answer(kChannel5Alias, {testing::kLateReply});
    bench.radio.answer("57120060", {""});
    std::ostringstream log;
    LinkTrace recorder(log);
    trace = &recorder;
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.step.english(), "alias of channel 5");
    EXPECT_EQ(sent("57120060"), 2u);
    EXPECT_THAT(log.str(), HasSubstr("dropped 06 00 06"));
}

TEST_F(WriteTest, SingleHeadWritesVoxOffOnEveryChannel) {
    for (int row : {1, 2}) {
        document.channels.row(row) = newChannel("435.00000");
        document.channels.row(row)[ChannelField::Vox] = valueTexts().OnText;
    }
    options.singleHead = true;
    bench.radio.echo(true);
    ASSERT_TRUE(run(RunMode::Write).ok());
    for (int row : {1, 2}) {
        const std::uint8_t switches = bench.radio.memory[channelSlotAddress(row) + 15];
        EXPECT_TRUE(switches & 0x40) << "VOX on in channel " << row;
        EXPECT_EQ(document.channels.row(row)[ChannelField::Vox], valueTexts().OffText);
    }
}

TEST_F(WriteTest, AStopEndsTheWriteWithTheEndCommand) {
    stopRequest = [this] { return sent("57") >= 10; };
    const RunOutcome outcome = run(RunMode::Write);

    EXPECT_EQ(outcome.failure, RunFailure::Interrupted);
    EXPECT_EQ(sent("57"), 10u);
    EXPECT_EQ(bench.radio.frames().back(), testing::kEndFrame);
}

TEST_F(WriteTest, AShortPasswordWritesTheDefault) {
    document.settings.setFlag(Option::ChangePassword, true);
    document.settings.setText(Option::Password, "1234");
    ASSERT_TRUE(run(RunMode::Write).ok());
    EXPECT_EQ(bench.radio.framesStartingWith("57080CD0"),
              std::vector<std::string>{withChecksum("57080CD0050800040107")});
}

}  // namespace
}  // namespace hm3300::link
