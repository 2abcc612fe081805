#include "editor/channel_rows.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

class ChannelRowsTest : public ::testing::Test {
protected:
    ChannelRowsTest() {
        for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
            channels.row(number) = numbered(number);
        }
    }

    // Channel `number` carries its number in its alias and its frequency, hidden
    // attributes set apart from the defaults.
    model::Channel numbered(int number) const {
        model::Channel channel =
            test::sampleChannel(std::to_string(400 + number).append(".00000").c_str(), texts);
        channel[ChannelField::Alias] = "CH" + std::to_string(number);
        return channel;
    }

    model::ValueTexts texts = test::chineseTexts();
    model::ChannelTable channels;
};

TEST_F(ChannelRowsTest, DeleteMovesTheRowsBelowUpAndInsertMovesThemDown) {
    const int removed[] = {2, 5, 6};
    deleteRows(channels, removed);
    EXPECT_EQ(channels.row(1), numbered(1));
    EXPECT_EQ(channels.row(2), numbered(3));
    EXPECT_EQ(channels.row(4), numbered(7));
    EXPECT_EQ(channels.row(125), numbered(128));
    EXPECT_FALSE(channels.row(126).exists());
    EXPECT_EQ(channels.row(128), model::Channel());

    insertEmptyRow(channels, 2);
    EXPECT_EQ(channels.row(2), model::Channel());
    EXPECT_EQ(channels.row(3), numbered(3));
    EXPECT_EQ(channels.row(126), numbered(128));
}

TEST_F(ChannelRowsTest, InsertLosesRow128OnlyWhenItHoldsAChannel) {
    EXPECT_TRUE(insertDropsChannel(channels));
    channels.row(128)[ChannelField::RxFreq].clear();
    EXPECT_FALSE(insertDropsChannel(channels));
}

TEST_F(ChannelRowsTest, PasteOverwritesDownToRow128InTheCurrentWords) {
    const int copied[] = {1, 3, 4};
    std::vector<model::Channel> rows = copyRows(channels, copied);
    rows[0][ChannelField::Power] = "High";  // copied under English
    EXPECT_EQ(pasteRows(channels, 10, rows, texts), 3);
    EXPECT_EQ(channels.row(10)[ChannelField::Alias], "CH1");
    EXPECT_EQ(channels.row(10)[ChannelField::Power], texts.HighText);
    EXPECT_EQ(channels.row(11), numbered(3));
    EXPECT_EQ(channels.row(12), numbered(4));
    EXPECT_EQ(channels.row(13), numbered(13));

    EXPECT_EQ(pasteRows(channels, 127, rows, texts), 2) << "the third row does not fit";
    EXPECT_EQ(channels.row(128), numbered(3));
}

TEST_F(ChannelRowsTest, EmptyRowsLeavesTheOthersInPlace) {
    const int cut[] = {4};
    emptyRows(channels, cut);
    EXPECT_EQ(channels.row(4), model::Channel());
    EXPECT_EQ(channels.row(5), numbered(5));
}

TEST_F(ChannelRowsTest, ClipboardTextKeepsEveryFieldEvenTabsAndBreaks) {
    model::Channel odd = numbered(9);
    odd[ChannelField::Alias] = "A\tB\\n";
    odd[ChannelField::VoiceMode] = "x\r\ny";
    odd[ChannelField::TxCode] = "";
    const std::vector<model::Channel> copied{odd, model::Channel(), numbered(2)};
    const auto parsed = parseChannelsText(channelsText(copied));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, copied);
}

TEST_F(ChannelRowsTest, TextThatIsNoChannelsIsRefused) {
    const std::string good = channelsText(std::vector<model::Channel>{numbered(1)});
    for (const std::string& text :
         {std::string(), std::string("435.00000\t67.0\n"), good.substr(0, good.size() - 1),
          std::string(good).insert(3, "\\q"), std::string(good).insert(0, "\t"),
          std::string("plain text from a spreadsheet\n")}) {
        EXPECT_FALSE(parseChannelsText(text)) << text;
    }
    std::string tooMany;
    for (int i = 0; i <= model::ChannelTable::kRows; ++i) {
        tooMany += good;
    }
    EXPECT_FALSE(parseChannelsText(tooMany));
}

TEST_F(ChannelRowsTest, SpreadsheetTextHoldsTheVisibleColumns) {
    model::Channel channel = numbered(1);
    channel[ChannelField::Alias] = "A\tB";
    EXPECT_EQ(visibleColumnsText(std::vector<model::Channel>{channel, model::Channel()}),
              "401.00000\t禁用\t401.00000\tD023N\t高功率\t宽带\t启用\t禁用\t禁用\tA B\n"
              "\t\t\t\t\t\t\t\t\t\n");
}

}  // namespace
}  // namespace hm3300::editor
