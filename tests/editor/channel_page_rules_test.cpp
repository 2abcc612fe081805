#include "editor/channel_page_rules.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

class ChannelPageRules : public ::testing::Test {
protected:
    model::ValueTexts texts = test::chineseTexts();
    model::Channel channel = test::sampleChannel("435.12500", texts);
};

TEST_F(ChannelPageRules, AnEmptyRowShowsTheNewChannelValuesWithOnlyTheNumberAndReceiveFieldUsable) {
    const ChannelPageView view = channelPageView(model::Channel(), texts, false);
    EXPECT_FALSE(view.channel);
    EXPECT_FALSE(view.voxEnabled);
    EXPECT_EQ(view.rxFreq, "");
    EXPECT_EQ(view.txFreq, "");
    EXPECT_EQ(view.rxTone, 0);
    EXPECT_EQ(view.power, 1);
    EXPECT_EQ(view.bandwidth, 1);
    EXPECT_EQ(view.voiceMode, 0);
    // Busy lock, scan add, tail elimination, DTMF, PTT ID, VOX.
    EXPECT_EQ(view.switches, (std::vector<bool>{false, true, true, false, false, false}));
}

TEST_F(ChannelPageRules, AChannelShowsEveryFieldAndVoxOnlyInDualHeadOperation) {
    channel[ChannelField::Dtmf] = texts.OnText;
    channel[ChannelField::Power] = texts.LowText;
    channel[ChannelField::RxCode] = "160";
    const ChannelPageView view = channelPageView(channel, texts, false);
    EXPECT_TRUE(view.channel);
    EXPECT_TRUE(view.voxEnabled);
    EXPECT_EQ(view.txFreq, "435.12500");
    EXPECT_EQ(view.alias, "RPT");
    EXPECT_EQ(view.rxTone, 160);
    EXPECT_EQ(view.txTone, 53);
    EXPECT_EQ(view.power, 0);
    EXPECT_EQ(view.voiceMode, 2);
    EXPECT_EQ(view.switches, (std::vector<bool>{true, true, true, true, false, false}));

    EXPECT_FALSE(channelPageView(channel, texts, true).voxEnabled);
    EXPECT_TRUE(channelPageView(channel, texts, true).channel);
}

TEST_F(ChannelPageRules, TextsTheListsDoNotHoldLeaveThemAlone) {
    channel[ChannelField::VoiceMode] = "whisper";
    channel[ChannelField::TxCode] = "";
    channel[ChannelField::RxCode] = "x";
    channel[ChannelField::RxTone] = "99.9";
    const ChannelPageView view = channelPageView(channel, texts, false);
    EXPECT_FALSE(view.voiceMode);
    EXPECT_EQ(view.txTone, 53) << "the tone text stands in for a missing code";
    EXPECT_EQ(view.rxTone, -1);
}

TEST_F(ChannelPageRules, ListsAndBoxesWriteTheFieldInTheCurrentLanguage) {
    choosePageItem(channel, PageList::RxTone, 53, texts);
    EXPECT_EQ(channel[ChannelField::RxTone], "D023N");
    EXPECT_EQ(channel[ChannelField::RxCode], "53");
    choosePageItem(channel, PageList::Power, 0, texts);
    choosePageItem(channel, PageList::Bandwidth, 0, texts);
    choosePageItem(channel, PageList::VoiceMode, 1, texts);
    EXPECT_EQ(channel[ChannelField::Power], texts.LowText);
    EXPECT_EQ(channel[ChannelField::Bandwidth], texts.NarrowText);
    EXPECT_EQ(channel[ChannelField::VoiceMode], texts.CompanderText);
    for (ChannelField field : kPageSwitches) {
        setPageSwitch(channel, field, true, texts);
        EXPECT_EQ(channel[field], texts.OnText);
        setPageSwitch(channel, field, false, texts);
        EXPECT_EQ(channel[field], texts.OffText);
    }
    EXPECT_EQ(pageListItems(PageList::VoiceMode, texts),
              (std::vector<std::string>{"禁用", "压扩", "扰频"}));
}

TEST_F(ChannelPageRules, NothingIsWrittenForARowWithoutAChannel) {
    model::Channel empty;
    choosePageItem(empty, PageList::Power, 1, texts);
    for (ChannelField field : kPageSwitches) {
        setPageSwitch(empty, field, true, texts);
    }
    EXPECT_EQ(empty, model::Channel());

    // Tail elimination and VOX follow the hidden attributes, the others the frequency.
    model::Channel leftover;
    leftover[ChannelField::TailElim] = texts.OffText;
    setPageSwitch(leftover, ChannelField::Vox, true, texts);
    setPageSwitch(leftover, ChannelField::ScanAdd, true, texts);
    EXPECT_EQ(leftover[ChannelField::Vox], texts.OnText);
    EXPECT_EQ(leftover[ChannelField::ScanAdd], "");
}

}  // namespace
}  // namespace hm3300::editor
