#include "model/channel.h"
#include "model/channel_table.h"

#include <gtest/gtest.h>

namespace hm3300::model {
namespace {

const ValueTexts kChinese{"禁用", "启用", "高功率", "低功率", "宽带", "窄带", "压扩", "扰频"};
const ValueTexts kEnglish{"OFF", "ON", "High", "Low", "Wide", "Narrow", "Comp", "scrambler"};

TEST(Channel, NewChannelDefaultsFollowTheReceiveFrequency) {
    Channel channel;
    channel[ChannelField::RxFreq] = "145.12500";
    channel[ChannelField::Alias] = "OLD";
    channel.fillNewChannelDefaults(kChinese);

    EXPECT_EQ(channel[ChannelField::TxFreq], "145.12500");
    EXPECT_EQ(channel[ChannelField::RxTone], "禁用");
    EXPECT_EQ(channel[ChannelField::Power], "高功率");
    EXPECT_EQ(channel[ChannelField::Bandwidth], "宽带");
    EXPECT_EQ(channel[ChannelField::ScanAdd], "启用");
    EXPECT_EQ(channel[ChannelField::PttId], "禁用");
    EXPECT_EQ(channel[ChannelField::Alias], "");
    EXPECT_EQ(channel[ChannelField::TailElim], "启用");
    EXPECT_EQ(channel[ChannelField::BusyLock], "禁用");
    EXPECT_EQ(channel[ChannelField::RxCode], "0");
    EXPECT_EQ(channel[ChannelField::VoiceMode], "禁用");
    EXPECT_TRUE(channel.exists());
}

TEST(Channel, ClearingVisibleFieldsKeepsHiddenAttributes) {
    Channel channel;
    channel[ChannelField::RxFreq] = "145.12500";
    channel.fillNewChannelDefaults(kChinese);
    channel.clearVisible();
    EXPECT_FALSE(channel.exists());
    EXPECT_EQ(channel[ChannelField::Alias], "");
    EXPECT_EQ(channel[ChannelField::TailElim], "启用");

    channel.clear();
    EXPECT_EQ(channel, Channel{});
}

TEST(Channel, LanguageSwitchConvertsOnlyRecognisedTextsOfTheFieldsOwnValues) {
    Channel channel;
    channel[ChannelField::RxFreq] = "145.12500";
    channel[ChannelField::RxTone] = "67.0";
    channel[ChannelField::TxTone] = "禁用";
    channel[ChannelField::Power] = "高功率";
    channel[ChannelField::Bandwidth] = "寬帶";  // traditional
    channel[ChannelField::ScanAdd] = "啟用";    // traditional
    channel[ChannelField::Dtmf] = "High";       // not a switch word: left alone
    channel[ChannelField::Alias] = "ON";        // not language-dependent
    channel[ChannelField::VoiceMode] = "擾頻";
    channel[ChannelField::RxCode] = "2";

    channel.convertValueTexts(kEnglish);

    EXPECT_EQ(channel[ChannelField::RxTone], "67.0");
    EXPECT_EQ(channel[ChannelField::TxTone], "OFF");
    EXPECT_EQ(channel[ChannelField::Power], "High");
    EXPECT_EQ(channel[ChannelField::Bandwidth], "Wide");
    EXPECT_EQ(channel[ChannelField::ScanAdd], "ON");
    EXPECT_EQ(channel[ChannelField::Dtmf], "High");
    EXPECT_EQ(channel[ChannelField::Alias], "ON");
    EXPECT_EQ(channel[ChannelField::VoiceMode], "scrambler");
    EXPECT_EQ(channel[ChannelField::RxCode], "2");
    EXPECT_EQ(channel[ChannelField::RxFreq], "145.12500");
}

TEST(ChannelTable, RowsAreNumberedFromOneAndLabelledWithThreeDigits) {
    ChannelTable table;
    table.row(128)[ChannelField::RxFreq] = "435.00000";
    EXPECT_TRUE(table.row(128).exists());
    EXPECT_FALSE(table.row(1).exists());
    EXPECT_EQ(ChannelTable::rowLabel(1), "001");
    EXPECT_EQ(ChannelTable::rowLabel(128), "128");
    table.clearAll();
    EXPECT_EQ(table, ChannelTable{});
}

}  // namespace
}  // namespace hm3300::model
